#include "CatalogueServer.h"

#include <filesystem>
#include <fstream>
#include <httplib.h>
#include <sstream>
#include <stdexcept>

CatalogueServer::CatalogueServer() : m_server(std::make_unique<httplib::Server>())
{
    m_server->Get(".*", [this](const httplib::Request &request, httplib::Response &answer) {
        Response response;
        bool known = false;
        {
            std::lock_guard lock(m_mutex);
            RequestRecord record{request.path, {}};
            for (const auto &[name, value] : request.headers) {
                record.headers.emplace_back(name, value);
            }
            m_requests.push_back(std::move(record));
            if (const auto it = m_responses.find(request.path); it != m_responses.end()) {
                response = it->second;
                known = true;
            }
        }
        if (!known) {
            answer.status = 404;
            answer.set_content("Not Found", "text/plain");
            return;
        }
        if (!waitOrStop(response.delay)) {
            answer.status = 503;
            return;
        }
        answer.status = response.status;
        if (response.dropConnection) {
            const size_t length = response.body.empty() ? 1024 : response.body.size();
            answer.set_content_provider(length, response.contentType,
                                        [](size_t, size_t, httplib::DataSink &) { return false; });
            return;
        }
        if (response.dropAfterBodyBytes) {
            const std::string start = response.body.substr(0, *response.dropAfterBodyBytes);
            answer.set_content_provider(response.body.size(), response.contentType,
                                        [start](size_t offset, size_t, httplib::DataSink &sink) {
                                            return offset < start.size() &&
                                                   sink.write(start.data() + offset,
                                                              start.size() - offset);
                                        });
            return;
        }
        answer.set_content(response.body, response.contentType);
    });

    m_port = m_server->bind_to_any_port("127.0.0.1");
    if (m_port <= 0) {
        throw std::runtime_error("CatalogueServer: cannot bind to 127.0.0.1");
    }
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    // The socket already listens, so early connections wait in its backlog; this only
    // keeps the first request from racing the accept loop's start-up.
    for (int i = 0; i < 500 && !m_server->is_running(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

CatalogueServer::~CatalogueServer()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
    }
    m_stopping.notify_all();
    m_server->stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

std::string CatalogueServer::baseUrl() const
{
    return "http://127.0.0.1:" + std::to_string(m_port);
}

void CatalogueServer::setResponse(const std::string &path, Response response)
{
    std::lock_guard lock(m_mutex);
    m_responses[path] = std::move(response);
}

void CatalogueServer::setBody(const std::string &path, std::string body, int status)
{
    Response response;
    response.status = status;
    response.body = std::move(body);
    setResponse(path, std::move(response));
}

void CatalogueServer::serveDirectory(const std::string &urlPrefix, const std::string &directory)
{
    namespace fs = std::filesystem;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(directory)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream file(entry.path(), std::ios::binary);
        std::ostringstream content;
        content << file.rdbuf();
        const std::string relative = fs::relative(entry.path(), directory).generic_string();
        Response response;
        response.body = content.str();
        response.contentType = "text/plain";
        setResponse(urlPrefix + relative, std::move(response));
    }
}

bool CatalogueServer::serves(const std::string &path) const
{
    std::lock_guard lock(m_mutex);
    return m_responses.count(path) != 0;
}

std::vector<CatalogueServer::RequestRecord> CatalogueServer::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

int CatalogueServer::requestCount(const std::string &path) const
{
    std::lock_guard lock(m_mutex);
    int count = 0;
    for (const RequestRecord &record : m_requests) {
        count += record.path == path ? 1 : 0;
    }
    return count;
}

bool CatalogueServer::waitOrStop(std::chrono::milliseconds delay)
{
    std::unique_lock lock(m_mutex);
    return !m_stopping.wait_for(lock, delay, [this] { return m_stopped; });
}
