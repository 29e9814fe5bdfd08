#include "pos/Pago.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Dialogos.h"
#include "common/Formats.h"
#include "common/Seams.h"
#include "common/TipoDeCambio.h"
#include "pos/Captura.h"
#include "pos/Ventas.h"

namespace {
QLabel* etiqueta(const QString& texto, int pixeles, QWidget* padre, const QString& nombre = QString()) {
    auto* l = new QLabel(texto, padre);
    if (!nombre.isEmpty()) l->setObjectName(nombre);
    QFont f = l->font();
    f.setPixelSize(pixeles);
    f.setBold(true);
    l->setFont(f);
    return l;
}
}  // namespace

TFrmPago::TFrmPago(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmPago");
    setWindowTitle("Pago");
    setModal(true);

    auto* g = new QGridLayout;
    g->addWidget(etiqueta("Total Pesos:", 20, this), 0, 0);
    Label2 = etiqueta("", 28, this, "Label2");
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(Label2, 0, 1);
    g->addWidget(etiqueta(QString::fromUtf8("Total Dólares:"), 20, this), 1, 0);
    Label8 = etiqueta("", 28, this, "Label8");
    Label8->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(Label8, 1, 1);

    auto caja = [this](const QString& nombre, const QString& color) {
        auto* e = new QLineEdit("0", this);
        e->setObjectName(nombre);
        QFont f = e->font();
        f.setPixelSize(28);
        f.setBold(true);
        e->setFont(f);
        e->setAlignment(Qt::AlignRight);
        e->setStyleSheet(QString("QLineEdit { background: %1; }").arg(color));
        e->setValidator(new pos::ValidadorImporte(false, e));
        connect(e, &QLineEdit::textChanged, this, [this, e] { EditChange(e); });
        return e;
    };
    g->addWidget(etiqueta("Pesos:", 20, this), 2, 0);
    Edit1 = caja("Edit1", "yellow");
    g->addWidget(Edit1, 2, 1);
    g->addWidget(etiqueta(QString::fromUtf8("Dólares"), 20, this), 3, 0);
    Edit2 = caja("Edit2", "lime");
    g->addWidget(Edit2, 3, 1);

    g->addWidget(etiqueta("Cambio Pesos", 20, this), 4, 0);
    Label5 = etiqueta("", 28, this, "Label5");
    Label5->setStyleSheet("QLabel { color: red; }");
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(Label5, 4, 1);
    g->addWidget(etiqueta(QString::fromUtf8("Cambio Dólares"), 20, this), 5, 0);
    Label10 = etiqueta("", 28, this, "Label10");
    Label10->setStyleSheet("QLabel { color: red; }");
    Label10->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(Label10, 5, 1);

    BitBtn1 = new QPushButton("Aceptar", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton("Cancelar", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmPago::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmPago::BitBtn2Click);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(BitBtn1);
    botones->addWidget(BitBtn2);

    auto* v = new QVBoxLayout(this);
    v->addLayout(g);
    v->addLayout(botones);
    setFixedSize(460, 380);
}

double TFrmPago::tipoCambio() const {
    return dialogos().TipoDeCambio ? dialogos().TipoDeCambio->TipoCambio() : 1.0;
}

void TFrmPago::preparar(TFrmVentas* ventas) {
    ventas_ = ventas;
    total_ = ventas->ticket().total();
    const double tc = tipoCambio();
    Label2->setText(ventas->textoTotal());
    Label8->setText(formato::moneda(tc > 0 ? total_ / tc : 0.0));
    Edit1->clear();  // shows "0" through its change rule
    if (Edit2->text().isEmpty()) Edit2->setText("0");
    calcularCambio();
}

int TFrmPago::mostrar(TFrmVentas* ventas) {
    preparar(ventas);
    return ui::ejecutar(this);
}

void TFrmPago::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Edit1->setFocus();
    Edit1->selectAll();
}

void TFrmPago::EditChange(QLineEdit* caja) {
    if (caja->text().isEmpty()) {
        caja->setText("0");  // runs this rule again
        return;
    }
    calcularCambio();
}

double TFrmPago::cambio() const {
    bool ok1 = false, ok2 = false;
    const double pesos = formato::leerDecimal(Edit1->text(), &ok1);
    const double dolares = formato::leerDecimal(Edit2->text(), &ok2);
    return (ok1 ? pesos : 0) + (ok2 ? dolares : 0) * tipoCambio() - total_;
}

void TFrmPago::calcularCambio() {
    const double c = cambio();
    const double tc = tipoCambio();
    Label5->setText(formato::moneda(c));
    Label10->setText(formato::moneda(tc > 0 ? c / tc : 0.0));
}

void TFrmPago::BitBtn1Click() {
    if (!ventas_) return;
    BitBtn1->setEnabled(false);
    const bool guardada = ventas_->GuardarVenta(false);
    BitBtn1->setEnabled(true);
    done(guardada ? QDialog::Accepted : QDialog::Rejected);
}

void TFrmPago::BitBtn2Click() {
    reject();
}
