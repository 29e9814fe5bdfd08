#include "credit/HistorialPagos.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "common/Formats.h"
#include "common/Seams.h"
#include "credit/Cobranza.h"
#include "printing/Report.h"

TFrmHistorialPagos::TFrmHistorialPagos(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmHistorialPagos");
    setWindowTitle(QString::fromUtf8("Historial de Pagos"));

    auto* l = new QGridLayout(this);
    l->addWidget(new QLabel("De:", this), 0, 0);
    l->addWidget(new QLabel("A:", this), 0, 1);
    date1 = new QCalendarWidget(this);
    date1->setObjectName("date1");
    date2 = new QCalendarWidget(this);
    date2->setObjectName("date2");
    for (QCalendarWidget* c : {date1, date2}) {
        c->setLocale(formato::locale());
        c->setSelectedDate(QDate(2008, 12, 17));
        c->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    }
    l->addWidget(date1, 1, 0);
    l->addWidget(date2, 1, 1);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch();
    BitBtn1 = new QPushButton("Generar Reporte", this);
    BitBtn1->setObjectName("BitBtn1");
    abajo->addWidget(BitBtn1);
    l->addLayout(abajo, 2, 0, 1, 2);
    l->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { ui::protegido([this] { BitBtn1Click(); }, this); });
}

int TFrmHistorialPagos::mostrar(int cliente) {
    cliente_ = cliente;
    return ui::ejecutar(this);
}

void TFrmHistorialPagos::BitBtn1Click() {
    if (cliente_ == 0) {
        ui::mensaje("Primero carga un cliente en Control de Crédito, gracias", this);
        return;
    }
    rpt::imprimir(cobranza::historialDePagos(cliente_, date1->selectedDate(), date2->selectedDate()), this);
    accept();
}
