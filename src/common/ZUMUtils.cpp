#include "common/ZUMUtils.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <QPalette>
#include <QWidget>

namespace ZUMUtils {
namespace {
// One event filter for the whole program; it recognises the fields it was attached to.
class FiltroFoco : public QObject {
  public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::FocusIn)
            EntrarCampo(static_cast<QWidget*>(o));
        else if (e->type() == QEvent::FocusOut)
            SalirCampo(static_cast<QWidget*>(o));
        return false;
    }
};
FiltroFoco* filtro() {
    static FiltroFoco f;
    return &f;
}
QWidget* pintable(QWidget* w) {
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) return c->lineEdit();
    return w;
}
}  // namespace

void EntrarCampo(QWidget* campo) {
    QWidget* w = pintable(campo);
    QPalette p = w->palette();
    p.setColor(QPalette::Base, Qt::yellow);
    w->setPalette(p);
}

void SalirCampo(QWidget* campo) {
    QWidget* w = pintable(campo);
    QPalette p = w->palette();
    p.setColor(QPalette::Base, campo->style() ? QPalette().color(QPalette::Base) : Qt::white);
    w->setPalette(p);
}

void colorearFoco(QWidget* campo) {
    if (!campo) return;
    campo->installEventFilter(filtro());
    if (auto* c = qobject_cast<QComboBox*>(campo); c && c->lineEdit())
        c->lineEdit()->installEventFilter(filtro());
}

void colorearFoco(std::initializer_list<QWidget*> campos) {
    for (QWidget* w : campos) colorearFoco(w);
}
}  // namespace ZUMUtils
