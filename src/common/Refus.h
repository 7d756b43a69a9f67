#pragma once

#include <QString>

#include <stdexcept>

namespace vidora {

// A refusal to show the operator as it stands: the text is French and complete.
class Refus : public std::runtime_error {
  public:
    explicit Refus(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

} // namespace vidora
