#define CURL_DISABLE_TYPECHECK  // calls go through the pointers loaded below
#include <curl/curl.h>

#include "platform/Transfer.h"

#include <QUrl>

#include <dlfcn.h>

#include <algorithm>

namespace volmira::platform {

namespace {

// The few libcurl functions used, taken from the library on the first transfer.
struct CurlApi {
    decltype(&curl_global_init) globalInit;
    decltype(&curl_easy_init) easyInit;
    decltype(&curl_easy_setopt) setopt;
    decltype(&curl_easy_getinfo) getinfo;
    decltype(&curl_easy_cleanup) easyCleanup;
    decltype(&curl_multi_init) multiInit;
    decltype(&curl_multi_add_handle) addHandle;
    decltype(&curl_multi_remove_handle) removeHandle;
    decltype(&curl_multi_perform) perform;
    decltype(&curl_multi_poll) poll;
    decltype(&curl_multi_info_read) infoRead;
    decltype(&curl_multi_cleanup) multiCleanup;
};

template <typename F>
bool load(void *library, const char *name, F &function) {
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}

// Nothing when the library is missing: every transfer then fails as unreachable.
const CurlApi *curlApi() {
    static const CurlApi *const api = []() -> const CurlApi * {
        void *library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
        if (!library) return nullptr;
        static CurlApi loaded{};
        const bool complete =
            load(library, "curl_global_init", loaded.globalInit) && load(library, "curl_easy_init", loaded.easyInit) &&
            load(library, "curl_easy_setopt", loaded.setopt) && load(library, "curl_easy_getinfo", loaded.getinfo) &&
            load(library, "curl_easy_cleanup", loaded.easyCleanup) &&
            load(library, "curl_multi_init", loaded.multiInit) &&
            load(library, "curl_multi_add_handle", loaded.addHandle) &&
            load(library, "curl_multi_remove_handle", loaded.removeHandle) &&
            load(library, "curl_multi_perform", loaded.perform) && load(library, "curl_multi_poll", loaded.poll) &&
            load(library, "curl_multi_info_read", loaded.infoRead) &&
            load(library, "curl_multi_cleanup", loaded.multiCleanup);
        if (!complete || loaded.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) return nullptr;
        return &loaded;
    }();
    return api;
}

// The user reads one of four causes, never libcurl's own English text.
QString causeOf(CURLcode code) {
    switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_ABORTED_BY_CALLBACK:
        return transfer_cause::timeout;
    case CURLE_LOGIN_DENIED:
    case CURLE_REMOTE_ACCESS_DENIED:
        return transfer_cause::loginRefused;
    case CURLE_WRITE_ERROR:  // the answer outgrew its limit
    case CURLE_UPLOAD_FAILED:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_QUOTE_ERROR:
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_REMOTE_FILE_EXISTS:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FILESIZE_EXCEEDED:
    case CURLE_TOO_MANY_REDIRECTS:
        return transfer_cause::notAccepted;
    default:
        return transfer_cause::unreachable;
    }
}

// One easy handle driven by a multi handle, so that an abort is seen within
// a tenth of a second even while connecting.
class Session {
public:
    explicit Session(const CurlApi &api) : api_(api), easy_(api.easyInit()), multi_(api.multiInit()) {}
    ~Session() {
        if (multi_ && easy_) api_.removeHandle(multi_, easy_);
        if (easy_) api_.easyCleanup(easy_);
        if (multi_) api_.multiCleanup(multi_);
    }
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    [[nodiscard]] bool valid() const { return easy_ && multi_; }
    template <typename T>
    void set(CURLoption option, T value) {
        api_.setopt(easy_, option, value);
    }
    // libcurl keeps its own copy of the text.
    void setText(CURLoption option, const QString &text) { api_.setopt(easy_, option, text.toUtf8().constData()); }

    // The transfer's outcome; CURLE_ABORTED_BY_CALLBACK when `abort` turned true.
    CURLcode run(const std::atomic<bool> &abort) {
        api_.addHandle(multi_, easy_);
        int running = 1;
        while (running > 0) {
            if (abort) return CURLE_ABORTED_BY_CALLBACK;
            if (api_.perform(multi_, &running) != CURLM_OK) return CURLE_FAILED_INIT;
            if (running > 0) api_.poll(multi_, nullptr, 0, 50, nullptr);
        }
        int left = 0;
        while (CURLMsg *message = api_.infoRead(multi_, &left)) {
            if (message->msg == CURLMSG_DONE) return message->data.result;
        }
        return CURLE_FAILED_INIT;
    }

    [[nodiscard]] long responseCode() const {
        long code = 0;
        api_.getinfo(easy_, CURLINFO_RESPONSE_CODE, &code);
        return code;
    }

private:
    const CurlApi &api_;
    CURL *easy_;
    CURLM *multi_;
};

constexpr long kConnectTimeoutMs = 2000;

struct Received {
    QByteArray bytes;
    qsizetype limit = 0;
};

size_t receive(char *data, size_t size, size_t count, void *target) {
    auto *received = static_cast<Received *>(target);
    const size_t length = size * count;
    if (received->bytes.size() + qsizetype(length) > received->limit) return 0;  // too long: stop
    received->bytes.append(data, qsizetype(length));
    return length;
}

struct Outgoing {
    const QByteArray *bytes = nullptr;
    qsizetype offset = 0;
};

size_t send(char *buffer, size_t size, size_t count, void *source) {
    auto *outgoing = static_cast<Outgoing *>(source);
    const qsizetype length = std::min<qsizetype>(qsizetype(size * count), outgoing->bytes->size() - outgoing->offset);
    std::copy_n(outgoing->bytes->constData() + outgoing->offset, length, buffer);
    outgoing->offset += length;
    return size_t(length);
}

void setCredentials(Session &session, const Credentials &credentials) {
    session.setText(CURLOPT_USERNAME, credentials.user);
    session.setText(CURLOPT_PASSWORD, credentials.password);
}

class CurlTransfer final : public Transfer {
public:
    Result<QByteArray> fetch(const FetchRequest &request, const std::atomic<bool> &abort) override {
        const CurlApi *api = curlApi();
        if (!api) return Failure{transfer_cause::unreachable};
        Session session(*api);
        if (!session.valid()) return Failure{transfer_cause::unreachable};
        Received received{{}, request.maxBytes};
        session.setText(CURLOPT_URL, request.url);
        session.setText(CURLOPT_PROTOCOLS_STR, QStringLiteral("http,https"));
        setCredentials(session, request.credentials);
        session.set(CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
        session.set(CURLOPT_FOLLOWLOCATION, 0L);
        session.set(CURLOPT_NOSIGNAL, 1L);
        session.set(CURLOPT_CONNECTTIMEOUT_MS, std::min<long>(kConnectTimeoutMs, long(request.timeout.count())));
        session.set(CURLOPT_TIMEOUT_MS, long(request.timeout.count()));
        session.set(CURLOPT_WRITEFUNCTION, &receive);
        session.set(CURLOPT_WRITEDATA, static_cast<void *>(&received));
        const CURLcode code = session.run(abort);
        if (code != CURLE_OK) return Failure{causeOf(code)};
        switch (session.responseCode()) {
        case 200:
            return received.bytes;
        case 401:
        case 403:
        case 407:
            return Failure{transfer_cause::loginRefused};
        default:  // an error page or a redirect is no answer
            return Failure{transfer_cause::notAccepted};
        }
    }

    Result<void> upload(const UploadRequest &request, const std::atomic<bool> &abort) override {
        const CurlApi *api = curlApi();
        if (!api) return Failure{transfer_cause::unreachable};
        Session session(*api);
        if (!session.valid()) return Failure{transfer_cause::unreachable};
        QString server = request.serverUrl;
        while (server.endsWith(u'/')) server.chop(1);
        Outgoing outgoing{&request.data, 0};
        session.setText(CURLOPT_URL, server + u'/' + QString::fromLatin1(QUrl::toPercentEncoding(request.remoteName)));
        session.setText(CURLOPT_PROTOCOLS_STR, QStringLiteral("ftp,ftps"));
        setCredentials(session, request.credentials);
        session.set(CURLOPT_NOSIGNAL, 1L);
        session.set(CURLOPT_UPLOAD, 1L);
        session.set(CURLOPT_INFILESIZE_LARGE, curl_off_t(request.data.size()));
        session.set(CURLOPT_READFUNCTION, &send);
        session.set(CURLOPT_READDATA, static_cast<void *>(&outgoing));
        session.set(CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
        session.set(CURLOPT_LOW_SPEED_LIMIT, 1L);
        session.set(CURLOPT_LOW_SPEED_TIME, long(request.stallLimit.count()));
        session.set(CURLOPT_FTP_RESPONSE_TIMEOUT, long(request.stallLimit.count()));
        const CURLcode code = session.run(abort);
        if (code != CURLE_OK) return Failure{causeOf(code)};
        return {};
    }
};

}  // namespace

std::unique_ptr<Transfer> makeCurlTransfer() { return std::make_unique<CurlTransfer>(); }

}  // namespace volmira::platform
