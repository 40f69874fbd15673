#define CURL_DISABLE_TYPECHECK  // calls go through the pointers loaded below
#include <curl/curl.h>

#include "platform/Transfer.h"

#include <QUrl>

#include <dlfcn.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

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

// The user reads one of four causes, never libcurl's own English text: a
// server that answered and refused the file (or its answer) is not one that
// could not be reached.
QString causeOf(CURLcode code) {
    switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_ABORTED_BY_CALLBACK:
    case CURLE_FTP_ACCEPT_TIMEOUT:
        return transfer_cause::timeout;
    case CURLE_LOGIN_DENIED:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_FTP_WEIRD_PASS_REPLY:
    case CURLE_AUTH_ERROR:
        return transfer_cause::loginRefused;
    case CURLE_WRITE_ERROR:    // the answer outgrew its limit
    case CURLE_PARTIAL_FILE:   // a refusal after the file went through (451, 452), or an answer cut short
    case CURLE_UPLOAD_FAILED:  // STOR refused
    case CURLE_FTP_COULDNT_SET_TYPE:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_QUOTE_ERROR:
    case CURLE_HTTP_RETURNED_ERROR:
    case CURLE_BAD_CONTENT_ENCODING:
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

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kConnectLimit{2000};

// libcurl's connect limit covers an FTP server's greeting and login as well,
// so a slow greeting would read as an unreachable server. The TCP connect is
// therefore made here, bounded alone, and handed to libcurl connected.
struct Connecting {
    const std::atomic<bool> *abort = nullptr;
    bool timedOut = false;
    std::optional<Clock::time_point> connectedAt;  // of the first connection
};

curl_socket_t openConnected(void *context, curlsocktype, curl_sockaddr *address) {
    auto *connecting = static_cast<Connecting *>(context);
    const int s = ::socket(address->family, address->socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address->protocol);
    if (s < 0) return CURL_SOCKET_BAD;
    const auto fail = [s] {
        ::close(s);
        return CURL_SOCKET_BAD;
    };
    if (::connect(s, &address->addr, address->addrlen) != 0 && errno != EINPROGRESS) return fail();
    const auto end = Clock::now() + kConnectLimit;
    pollfd writable{s, POLLOUT, 0};
    for (;;) {
        if (*connecting->abort) return fail();
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now());
        if (left <= std::chrono::milliseconds(0)) {
            connecting->timedOut = true;
            return fail();
        }
        const int ready = ::poll(&writable, 1, int(std::min<std::chrono::milliseconds::rep>(left.count(), 50)));
        if (ready > 0) break;
        if (ready < 0 && errno != EINTR) return fail();
    }
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) return fail();
    if (!connecting->connectedAt) connecting->connectedAt = Clock::now();
    return s;
}

int alreadyConnected(void *, curl_socket_t, curlsocktype purpose) {
    return purpose == CURLSOCKTYPE_IPCXN ? CURL_SOCKOPT_ALREADY_CONNECTED : CURL_SOCKOPT_OK;
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

    // Each TCP connect within 2 s, made by openConnected rather than libcurl.
    void connectByItself() {
        set(CURLOPT_OPENSOCKETFUNCTION, &openConnected);
        set(CURLOPT_OPENSOCKETDATA, static_cast<void *>(&connecting_));
        set(CURLOPT_SOCKOPTFUNCTION, &alreadyConnected);
    }
    // When the first connection of connectByItself was made.
    [[nodiscard]] std::optional<Clock::time_point> connectedAt() const { return connecting_.connectedAt; }

    // The transfer's outcome; CURLE_ABORTED_BY_CALLBACK when `abort` turned
    // true, CURLE_OPERATION_TIMEDOUT when `overdue` said so or a connect of
    // connectByItself took too long.
    CURLcode run(const std::atomic<bool> &abort, const std::function<bool()> &overdue = {}) {
        connecting_.abort = &abort;
        api_.addHandle(multi_, easy_);
        int running = 1;
        while (running > 0) {
            if (abort) return CURLE_ABORTED_BY_CALLBACK;
            if (overdue && overdue()) return CURLE_OPERATION_TIMEDOUT;
            if (api_.perform(multi_, &running) != CURLM_OK) return CURLE_FAILED_INIT;
            if (running > 0) api_.poll(multi_, nullptr, 0, 50, nullptr);
        }
        int left = 0;
        while (CURLMsg *message = api_.infoRead(multi_, &left)) {
            if (message->msg != CURLMSG_DONE) continue;
            const CURLcode code = message->data.result;
            return code == CURLE_COULDNT_CONNECT && connecting_.timedOut ? CURLE_OPERATION_TIMEDOUT : code;
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
    Connecting connecting_;
};

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
    bool asked = false;  // the server took the STOR: greeting and login are over
};

size_t send(char *buffer, size_t size, size_t count, void *source) {
    auto *outgoing = static_cast<Outgoing *>(source);
    outgoing->asked = true;
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
        session.set(CURLOPT_CONNECTTIMEOUT_MS, long(std::min(kConnectLimit, request.timeout).count()));
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
        session.connectByItself();
        session.set(CURLOPT_CONNECTTIMEOUT_MS, long((kConnectLimit + request.loginLimit).count()));
        session.set(CURLOPT_LOW_SPEED_LIMIT, 1L);
        session.set(CURLOPT_LOW_SPEED_TIME, long(request.stallLimit.count()));
        session.set(CURLOPT_FTP_RESPONSE_TIMEOUT, long(request.stallLimit.count()));
        const auto loginOverdue = [&] {
            const auto connected = session.connectedAt();
            return !outgoing.asked && connected && Clock::now() - *connected > request.loginLimit;
        };
        const CURLcode code = session.run(abort, loginOverdue);
        if (code != CURLE_OK) return Failure{causeOf(code)};
        return {};
    }
};

}  // namespace

std::unique_ptr<Transfer> makeCurlTransfer() { return std::make_unique<CurlTransfer>(); }

}  // namespace volmira::platform
