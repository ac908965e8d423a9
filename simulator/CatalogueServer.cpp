#include "CatalogueServer.h"

#include "LoopbackCertificate.h"

#include <filesystem>
#include <fstream>
#include <httplib.h>
#include <openssl/pem.h>
#include <sstream>
#include <stdexcept>

namespace {

// Workers per server: plenty for a test, and few threads to start and stop.
constexpr std::size_t workerCount = 4;

std::unique_ptr<httplib::Server> makeTlsServer(const LoopbackCertificate &certificate)
{
    const auto fromPem = [](const std::string &pem) {
        return std::unique_ptr<BIO, decltype(&BIO_free)>(
            BIO_new_mem_buf(pem.data(), int(pem.size())), &BIO_free);
    };
    const auto certificateBio = fromPem(certificate.certificatePem);
    const auto keyBio = fromPem(certificate.privateKeyPem);
    const std::unique_ptr<X509, decltype(&X509_free)> x509(
        PEM_read_bio_X509(certificateBio.get(), nullptr, nullptr, nullptr), &X509_free);
    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        PEM_read_bio_PrivateKey(keyBio.get(), nullptr, nullptr, nullptr), &EVP_PKEY_free);
    if (!x509 || !key) {
        throw std::runtime_error("CatalogueServer: unreadable certificate or key");
    }
    // The server's TLS context takes its own references to both.
    auto server = std::make_unique<httplib::SSLServer>(x509.get(), key.get());
    if (!server->is_valid()) {
        throw std::runtime_error("CatalogueServer: cannot set up TLS");
    }
    return server;
}

// Announces `length` bytes, sends `sent` and closes the connection.
void cutShort(std::size_t length, const std::string &sent, const std::string &contentType,
              httplib::Response &answer)
{
    answer.set_content_provider(
        length, contentType, [sent](size_t offset, size_t, httplib::DataSink &sink) {
            return offset < sent.size() && sink.write(sent.data() + offset, sent.size() - offset);
        });
}

} // namespace

CatalogueServer::CatalogueServer() : CatalogueServer(std::make_unique<httplib::Server>(), "http")
{
}

CatalogueServer::CatalogueServer(const LoopbackCertificate &certificate)
    : CatalogueServer(makeTlsServer(certificate), "https")
{
}

CatalogueServer::CatalogueServer(std::unique_ptr<httplib::Server> server, std::string scheme)
    : m_server(std::move(server)), m_scheme(std::move(scheme))
{
    m_server->new_task_queue = [] {
        return new httplib::ThreadPool(workerCount);
    };
    m_server->Get(".*", [this](const httplib::Request &request, httplib::Response &answer) {
        if (const std::optional<Response> response = takeRequest(request)) {
            this->answer(*response, answer);
        } else {
            answer.status = 404;
            answer.set_content("Not Found", "text/plain");
        }
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

std::optional<CatalogueServer::Response>
CatalogueServer::takeRequest(const httplib::Request &request)
{
    std::lock_guard lock(m_mutex);
    RequestRecord record{request.path, {}};
    for (const auto &[name, value] : request.headers) {
        record.headers.emplace_back(name, value);
    }
    m_requests.push_back(std::move(record));
    if (const auto it = m_responses.find(request.path); it != m_responses.end()) {
        return it->second;
    }
    return std::nullopt;
}

void CatalogueServer::answer(const Response &response, httplib::Response &answer)
{
    if (!waitOrStop(response.delay)) {
        answer.status = 503;
        return;
    }
    answer.status = response.status;
    if (!response.location.empty()) {
        answer.set_header("Location", response.location);
    }
    if (!response.date.empty()) {
        answer.set_header("Date", response.date);
    }
    sendBody(response, answer);
}

void CatalogueServer::sendBody(const Response &response, httplib::Response &answer)
{
    if (response.endless) {
        const std::string chunk =
            response.body.empty() ? std::string(64 << 10, 'x') : response.body;
        answer.set_content_provider(response.contentType,
                                    [this, chunk](size_t, httplib::DataSink &sink) {
                                        return !stopped() && sink.write(chunk.data(), chunk.size());
                                    });
    } else if (response.trickle.count() > 0) {
        const std::string body = response.body;
        const auto interval = response.trickle;
        answer.set_content_provider(
            body.size(), response.contentType,
            [this, body, interval](size_t offset, size_t, httplib::DataSink &sink) {
                return waitOrStop(interval) && sink.write(body.data() + offset, 1);
            });
    } else if (response.announcedLength) {
        cutShort(*response.announcedLength, response.body, response.contentType, answer);
    } else if (response.dropConnection) {
        const size_t length = response.body.empty() ? 1024 : response.body.size();
        answer.set_content_provider(length, response.contentType,
                                    [](size_t, size_t, httplib::DataSink &) { return false; });
    } else if (response.dropAfterBodyBytes) {
        cutShort(response.body.size(), response.body.substr(0, *response.dropAfterBodyBytes),
                 response.contentType, answer);
    } else {
        answer.set_content(response.body, response.contentType);
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
    return m_scheme + "://127.0.0.1:" + std::to_string(m_port);
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

bool CatalogueServer::stopped() const
{
    std::lock_guard lock(m_mutex);
    return m_stopped;
}

bool CatalogueServer::waitOrStop(std::chrono::milliseconds delay)
{
    std::unique_lock lock(m_mutex);
    return !m_stopping.wait_for(lock, delay, [this] { return m_stopped; });
}
