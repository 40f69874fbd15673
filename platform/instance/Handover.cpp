#include "platform/instance/Handover.h"

#include <algorithm>

namespace volmira::platform {

namespace {

constexpr char kVerb[] = "show";

}  // namespace

bool isHandoverCode(const QString &code) {
    return !code.isEmpty() && code.size() <= 10 && std::all_of(code.begin(), code.end(), [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-';
    });
}

QByteArray encodeHandover(const Handover &handover) {
    QByteArray line(kVerb);
    if (!handover.code.isEmpty()) line += ' ' + handover.code.toUtf8();
    return line + '\n';
}

HandoverReader::State HandoverReader::refuse() {
    buffer_.clear();
    return state_ = State::Refused;
}

HandoverReader::State HandoverReader::add(const QByteArray &bytes) {
    if (state_ != State::Incomplete) return bytes.isEmpty() ? state_ : refuse();
    buffer_ += bytes;
    const qsizetype end = buffer_.indexOf('\n');
    if (end < 0) return buffer_.size() >= kMaxHandoverBytes ? refuse() : state_;
    // One line and nothing after it.
    if (end + 1 != buffer_.size() || end + 1 > kMaxHandoverBytes) return refuse();
    // Latin-1 reads every byte; a code holds ASCII only, so anything else is refused below.
    const QString line = QString::fromLatin1(buffer_.left(end));
    const QString verb = QLatin1String(kVerb);
    if (line == verb) {
        handover_ = {};
    } else if (line.startsWith(verb + u' ') && isHandoverCode(line.mid(verb.size() + 1))) {
        handover_ = {line.mid(verb.size() + 1)};
    } else {
        return refuse();
    }
    buffer_.clear();
    return state_ = State::Complete;
}

}  // namespace volmira::platform
