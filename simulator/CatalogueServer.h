#pragma once

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib
struct LoopbackCertificate;

// A real HTTP server on 127.0.0.1 (ephemeral port) that stands in for the maker's catalogue
// server. Each path answers as it is told: a body with a status, slowly, or by dropping
// the connection. Thread-safe; it stops when destroyed.
class CatalogueServer
{
public:
    struct Response
    {
        int status = 200;
        std::string body = {};
        std::string contentType = "application/octet-stream";
        std::chrono::milliseconds delay{0};
        // Close the connection after the headers, before any byte of the body.
        bool dropConnection = false;
        // Send this many bytes of the body (the headers announce all of it), then close
        // the connection.
        std::optional<std::size_t> dropAfterBodyBytes = std::nullopt;
        // Announce this length, send the body and close the connection.
        std::optional<std::size_t> announcedLength = std::nullopt;
        // Repeat the body without end and without a length, until the client goes or the
        // server stops.
        bool endless = false;
        // Send the body one byte at a time, this long apart.
        std::chrono::milliseconds trickle{0};
        // Answer with this address in a Location header (give a 3xx status).
        std::string location = {};
        // Answer with this Date header, as a server whose clock differs from ours would.
        std::string date = {};
    };

    struct RequestRecord
    {
        std::string path;
        // Header names and values in the order they arrived.
        std::vector<std::pair<std::string, std::string>> headers;
    };

    CatalogueServer();
    // The same server over HTTPS, presenting `certificate`.
    explicit CatalogueServer(const LoopbackCertificate &certificate);
    ~CatalogueServer();
    CatalogueServer(const CatalogueServer &) = delete;
    CatalogueServer &operator=(const CatalogueServer &) = delete;

    // "http://127.0.0.1:<port>", or "https://..." for the HTTPS server
    std::string baseUrl() const;
    std::string url(const std::string &path) const { return baseUrl() + path; }
    int port() const { return m_port; }

    void setResponse(const std::string &path, Response response);
    void setBody(const std::string &path, std::string body, int status = 200);
    // Serves every regular file below `directory` at `urlPrefix` + its relative path.
    void serveDirectory(const std::string &urlPrefix, const std::string &directory);

    bool serves(const std::string &path) const;
    std::vector<RequestRecord> requests() const;
    int requestCount(const std::string &path) const;

private:
    CatalogueServer(std::unique_ptr<httplib::Server> server, std::string scheme);
    // Records the request and finds what its path is told to answer.
    std::optional<Response> takeRequest(const httplib::Request &request);
    // After the delay it is told, the status, headers and body.
    void answer(const Response &response, httplib::Response &answer);
    // The body as `response` says it is sent: whole, slowly, without end or cut short.
    void sendBody(const Response &response, httplib::Response &answer);
    bool waitOrStop(std::chrono::milliseconds delay);
    bool stopped() const;

    std::unique_ptr<httplib::Server> m_server;
    std::string m_scheme;
    std::thread m_thread;
    int m_port = 0;

    mutable std::mutex m_mutex;
    std::condition_variable m_stopping;
    bool m_stopped = false;
    std::map<std::string, Response> m_responses;
    std::vector<RequestRecord> m_requests;
};
