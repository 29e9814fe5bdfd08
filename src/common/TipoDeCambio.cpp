#include "common/TipoDeCambio.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "common/Formats.h"
#include "common/Seams.h"
#include "common/ZUMUtils.h"
#include "db/Dialect.h"

namespace {
const char* kRateRefused = "El tipo de cambio debe ser un número mayor que cero, gracias";
}

TFrmTipoDeCambio::TFrmTipoDeCambio(QWidget* parent)
    : QDialog(parent), QTipoDeCambio("select * from tblctrl_tipodecambio" + dialecto::limite(1)) {
    setObjectName("FrmTipoDeCambio");
    setWindowTitle(QString::fromUtf8("Tipo de Cambio"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowTitleHint);
    setFixedSize(326, 164);

    DBEdit1 = new QLineEdit(this);
    DBEdit1->setObjectName("DBEdit1");
    QFont grande = DBEdit1->font();
    grande.setPixelSize(96);
    DBEdit1->setFont(grande);
    DBEdit1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    DBEdit1->setGeometry(8, 8, 222, 112);
    ZUMUtils::colorearFoco(DBEdit1);
    connect(DBEdit1, &QLineEdit::returnPressed, this, &TFrmTipoDeCambio::BitBtn1Click);

    QFont rotulo = font();
    rotulo.setPixelSize(18);
    rotulo.setBold(true);
    Label1 = new QLabel("Pesos x", this);
    Label1->setObjectName("Label1");
    Label1->setFont(rotulo);
    Label1->setGeometry(238, 34, 84, 26);
    Label2 = new QLabel("Dolar", this);
    Label2->setObjectName("Label2");
    Label2->setFont(rotulo);
    Label2->setGeometry(238, 64, 84, 26);

    BitBtn1 = new QPushButton("Guardar", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(122, 128, 90, 28);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmTipoDeCambio::BitBtn1Click);

    // Opened once at start-up; every reader takes the rate from here from now on.
    if (db::conectada()) abrirSiHaceFalta();
    mostrarValor();
}

void TFrmTipoDeCambio::abrirSiHaceFalta() const {
    if (abierta_) return;
    QString e;
    if (!QTipoDeCambio.abrir(&e)) return;  // tried again the next time it is needed
    abierta_ = true;
    hayFila_ = !QTipoDeCambio.vacia();
    valor_ = hayFila_ ? QTipoDeCambio.real("TipoCambio") : 0;
    // The value is held here; a query left pending would pin this connection to an old
    // snapshot of the database and keep it from writing.
    QTipoDeCambio.cerrar();
}

double TFrmTipoDeCambio::TipoCambio() const {
    abrirSiHaceFalta();
    return valor_;
}

void TFrmTipoDeCambio::mostrarValor() {
    DBEdit1->setText(abierta_ && hayFila_ ? formato::decimal(valor_) : QString());
}

void TFrmTipoDeCambio::showEvent(QShowEvent* e) {
    abrirSiHaceFalta();
    mostrarValor();
    DBEdit1->setFocus();
    DBEdit1->selectAll();
    QDialog::showEvent(e);
}

int TFrmTipoDeCambio::mostrar() {
    abrirSiHaceFalta();
    mostrarValor();
    return ui::ejecutar(this);
}

void TFrmTipoDeCambio::BitBtn1Click() {
    bool ok = false;
    double nuevo = formato::leerDecimal(DBEdit1->text().trimmed(), &ok);
    // A rate of zero (or no number at all) would later divide the dollar amounts by zero.
    if (!ok || !std::isfinite(nuevo) || nuevo <= 0) {
        ui::mensaje(kRateRefused, this);
        mostrarValor();
        DBEdit1->setFocus();
        DBEdit1->selectAll();
        return;
    }
    bool guardado = ui::protegido(
        [&] {
            abrirSiHaceFalta();
            // The table holds the one rate of the store; the row read is that row.
            if (hayFila_)
                db::ejecutar("update tblctrl_tipodecambio set TipoCambio = :nuevo", {{"nuevo", nuevo}});
            else
                db::ejecutar("insert into tblctrl_tipodecambio (TipoCambio) values (:nuevo)",
                             {{"nuevo", nuevo}});
        },
        this);
    if (!guardado) return;  // the engine's message was shown; the rate in force stays
    valor_ = nuevo;
    hayFila_ = true;
    abierta_ = true;
    mostrarValor();
    accept();
}
