#include "app/Pantallas.h"

#include <QLabel>
#include <QVBoxLayout>

TFrmPendiente::TFrmPendiente(const QString& objeto, const QString& titulo, QWidget* parent)
    : QWidget(parent) {
    setObjectName(objeto);
    setWindowTitle(titulo);
    auto* l = new QVBoxLayout(this);
    auto* t = new QLabel(
        QString("La pantalla \"%1\" estará disponible en una próxima versión del sistema.").arg(titulo));
    t->setAlignment(Qt::AlignCenter);
    t->setWordWrap(true);
    l->addWidget(t);
    resize(520, 240);
}
