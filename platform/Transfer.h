#pragma once

#include "platform/Background.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Fetching a small text over HTTP and putting a file on an FTP server: behind an
// interface, so that the start-up and the sending are testable without a network.
namespace volmira::platform {

// Why a transfer failed, as the user reads it after "…: ". These four texts are
// the whole vocabulary: the libraries' own English texts never reach the user.
namespace transfer_cause {
inline const QString unreachable = QStringLiteral("Server nicht erreichbar");
inline const QString loginRefused = QStringLiteral("Anmeldung abgelehnt");
inline const QString notAccepted = QStringLiteral("Datei nicht angenommen");
inline const QString timeout = QStringLiteral("Zeitüberschreitung");
}  // namespace transfer_cause

struct Credentials {
    QString user;
    QString password;
};

struct FetchRequest {
    QString url;  // "http://host[:port]/path", without credentials
    Credentials credentials;
    // The whole fetch, connecting included; connecting alone gets at most 2 s.
    std::chrono::milliseconds timeout{5000};
    // A longer answer is no version text: the fetch fails as not accepted.
    qsizetype maxBytes = 4096;
};

struct UploadRequest {
    QString serverUrl;   // "ftp://host[:port]", as configured
    QString remoteName;  // the file's name on the server
    Credentials credentials;
    QByteArray data;  // stored as it is (binary)
    // The upload gives up when less than 1 byte per second went through for this long.
    std::chrono::seconds stallLimit{20};
    // Connecting gets at most 2 s; the greeting, the login and the server's
    // taking of the file then get this long of their own.
    std::chrono::milliseconds loginLimit{20000};
};

// Blocking transfers. Both return as soon as `abort` turns true (within a
// tenth of a second). A fetch succeeds only on status 200 without redirects;
// every failure carries one of the transfer_cause texts.
class Transfer {
public:
    virtual ~Transfer() = default;
    [[nodiscard]] virtual Result<QByteArray> fetch(const FetchRequest &request, const std::atomic<bool> &abort) = 0;
    [[nodiscard]] virtual Result<void> upload(const UploadRequest &request, const std::atomic<bool> &abort) = 0;
};

// The real transfers over libcurl, which is loaded on the first transfer only,
// so that commands that never go online start without it.
[[nodiscard]] std::unique_ptr<Transfer> makeCurlTransfer();

// Runs transfers on worker threads and hands each result to `done` on the
// thread that owns the runner (a queued call). Destroying the runner aborts
// the running transfers and joins their threads; their `done` is then never called.
class TransferRunner final : public QObject {
public:
    explicit TransferRunner(Transfer &transfer, QObject *parent = nullptr)
        : QObject(parent), transfer_(transfer) {}

    void fetch(FetchRequest request, std::function<void(Result<QByteArray>)> done) {
        background_.run<Result<QByteArray>>(
            [this, request = std::move(request)](const std::atomic<bool> &abort) {
                return transfer_.fetch(request, abort);
            },
            std::move(done));
    }
    void upload(UploadRequest request, std::function<void(Result<void>)> done) {
        background_.run<Result<void>>(
            [this, request = std::move(request)](const std::atomic<bool> &abort) {
                return transfer_.upload(request, abort);
            },
            std::move(done));
    }
    // Whether a transfer was started whose `done` has not been called yet.
    [[nodiscard]] bool busy() const { return background_.busy(); }

private:
    Transfer &transfer_;
    Background background_;
};

// Answers what the test scripted, after an optional delay that an abort cuts
// short, and records every request. Safe to call from worker threads.
class ScriptedTransfer final : public Transfer {
public:
    struct FetchAnswer {
        Result<QByteArray> result = Failure{transfer_cause::unreachable};
        std::chrono::milliseconds delay{0};
    };

    [[nodiscard]] Result<QByteArray> fetch(const FetchRequest &request, const std::atomic<bool> &abort) override {
        FetchAnswer answer;
        {
            std::lock_guard lock(mutex_);
            fetched_.push_back(request);
            if (const auto it = fetchAnswers.find(request.url); it != fetchAnswers.end()) answer = it->second;
        }
        if (!wait(answer.delay, abort)) return Failure{transfer_cause::timeout};
        return answer.result;
    }

    [[nodiscard]] Result<void> upload(const UploadRequest &request, const std::atomic<bool> &abort) override {
        Result<void> result;
        std::chrono::milliseconds delay{};
        {
            std::lock_guard lock(mutex_);
            uploaded_.push_back(request);
            result = uploadResult;
            delay = uploadDelay;
        }
        if (!wait(delay, abort)) return Failure{transfer_cause::timeout};
        return result;
    }

    [[nodiscard]] std::vector<FetchRequest> fetched() const {
        std::lock_guard lock(mutex_);
        return fetched_;
    }
    [[nodiscard]] std::vector<UploadRequest> uploaded() const {
        std::lock_guard lock(mutex_);
        return uploaded_;
    }

    // Set before the transfers start. An unscripted URL is unreachable.
    std::map<QString, FetchAnswer> fetchAnswers;
    Result<void> uploadResult;
    std::chrono::milliseconds uploadDelay{0};

private:
    // False when aborted before the delay was over.
    static bool wait(std::chrono::milliseconds delay, const std::atomic<bool> &abort) {
        const auto end = std::chrono::steady_clock::now() + delay;
        while (std::chrono::steady_clock::now() < end) {
            if (abort) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    mutable std::mutex mutex_;
    std::vector<FetchRequest> fetched_;
    std::vector<UploadRequest> uploaded_;
};

}  // namespace volmira::platform
