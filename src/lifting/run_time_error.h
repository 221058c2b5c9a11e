#pragma once

#include <QString>

#include <stdexcept>

namespace lifting {

// A failure inside a worksheet procedure. It stops the procedure and the event
// that ran it; the event dispatcher reports it to the user.
class RunTimeError : public std::runtime_error {
  public:
    RunTimeError(int number, const QString& description);

    // "Run-time error '6': Overflow"
    QString message() const;

  private:
    int number_;
    QString description_;
};

inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kInternalError = 51;
inline constexpr int kControlNotFound = 340;

[[noreturn]] void RaiseOverflow();

} // namespace lifting
