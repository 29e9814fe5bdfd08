#pragma once
#include <QValidator>

// What the cashier may type in the amount boxes of the counter: digits, the decimal
// separator (once) and, where allowed, "-" (once). Pasted text follows the same rule.
// Whether the result reads as a number is checked when it is used.
namespace pos {
class ValidadorImporte : public QValidator {
  public:
    ValidadorImporte(bool conSigno, QObject* parent) : QValidator(parent), signo_(conSigno) {}
    State validate(QString& texto, int& pos) const override;

  private:
    bool signo_;
};
}  // namespace pos
