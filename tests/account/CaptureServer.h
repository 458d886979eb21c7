#pragma once

// A loopback HTTP server for the web API tests: records every request and answers each with
// the answer set by the test, or holds it without answering.

#include <httplib.h>

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CaptureServer {
public:
    struct Answer {
        int status = 200;
        std::string body = R"({"code":10000,"message":"ok"})";
        bool stall = false;    // keep the request open until releaseStalls()
        bool echoPath = false; // answer {"code":10000,"path":"<request path>"}
    };
    struct Request {
        std::string path;
        std::string body;
        std::string contentType;
    };

    CaptureServer()
    {
        m_server.Post(R"(.*)", [this](const httplib::Request& request, httplib::Response& response) {
            handle(request, response);
        });
        // One request per connection, so stopping never waits for an idle keep-alive.
        m_server.set_keep_alive_max_count(1);
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }

    ~CaptureServer()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
        }
        m_released.notify_all();
        m_server.stop();
        m_thread.join();
    }

    int port() const { return m_port; }

    void setAnswer(const Answer& answer)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_answer = answer;
    }

    // The answer to one path, given instead of the general one until cleared.
    void setAnswerFor(const std::string& path, const Answer& answer)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pathAnswers[path] = answer;
    }

    void clearPathAnswers()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pathAnswers.clear();
    }

    void releaseStalls()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_releaseGeneration;
        }
        m_released.notify_all();
    }

    std::vector<Request> requests() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_requests;
    }

    size_t requestCount() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_requests.size();
    }

private:
    void handle(const httplib::Request& request, httplib::Response& response)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_requests.push_back({request.path, request.body, request.get_header_value("Content-Type")});
        const auto forPath = m_pathAnswers.find(request.path);
        const Answer answer = forPath != m_pathAnswers.end() ? forPath->second : m_answer;
        if (answer.stall) {
            const int generation = m_releaseGeneration;
            m_released.wait(lock, [&] { return m_stopping || m_releaseGeneration != generation; });
            return;
        }
        lock.unlock();
        response.status = answer.status;
        const std::string body =
            answer.echoPath ? R"({"code":10000,"path":")" + request.path + "\"}" : answer.body;
        response.set_content(body, "application/json");
    }

    httplib::Server m_server;
    std::thread m_thread;
    int m_port = -1;
    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    Answer m_answer;
    std::map<std::string, Answer> m_pathAnswers;
    std::vector<Request> m_requests;
    int m_releaseGeneration = 0;
    bool m_stopping = false;
};
