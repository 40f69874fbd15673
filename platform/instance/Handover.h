#pragma once

#include <QByteArray>
#include <QString>

namespace volmira::platform {

// What a second start of the desktop program hands to the running one: the
// airport to show, or none (it only comes to the front). On the wire one line,
// "show" or "show CODE", ended by a line feed; the answer is "ok" and a line feed.
struct Handover {
    QString code;
};

// The longest message read, its line feed included; anything longer is refused.
inline constexpr qsizetype kMaxHandoverBytes = 64;
inline constexpr char kHandoverAck[] = "ok\n";

// True for a code a hand-over may carry: 1 to 10 letters, digits or '-' (an
// ICAO or IATA code as the lookup takes it).
[[nodiscard]] bool isHandoverCode(const QString &code);

[[nodiscard]] QByteArray encodeHandover(const Handover &handover);

// Reads a message from bytes as they arrive from another process, which may
// send anything.
class HandoverReader {
public:
    enum class State { Incomplete, Complete, Refused };

    // Takes the next bytes; once Complete or Refused, further bytes refuse the message.
    State add(const QByteArray &bytes);
    [[nodiscard]] State state() const { return state_; }
    // The message, once Complete.
    [[nodiscard]] const Handover &handover() const { return handover_; }

private:
    State refuse();
    QByteArray buffer_;
    Handover handover_;
    State state_ = State::Incomplete;
};

}  // namespace volmira::platform
