#include "app/Web.h"

#include <QDateTime>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "common/Seams.h"
#include "db/Sql.h"

TFrmWeb::TFrmWeb(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmWeb");
    setWindowTitle("Sistema de Soporte en Linea KAVO");
    auto* l = new QVBoxLayout(this);
    WebBrowser1 = new QLabel(this);
    WebBrowser1->setObjectName("WebBrowser1");
    WebBrowser1->setAlignment(Qt::AlignCenter);
    WebBrowser1->setOpenExternalLinks(true);
    WebBrowser1->setTextFormat(Qt::RichText);
    QString url = direccionSoporte();
    WebBrowser1->setText(
        QString("<p>La página de soporte se abre en su navegador.</p><p><a href=\"%1\">%1</a></p>")
            .arg(url.toHtmlEscaped()));
    l->addWidget(WebBrowser1);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(10);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TFrmWeb::Timer1Timer);
    Timer1->start();
}

QString TFrmWeb::direccionSoporte() {
    QString sitio;
    try {
        sitio = db::valorUnico("select Valor from tbl_app_configuracion where Id = 74").toString().trimmed();
    } catch (const db::SqlError&) {
    }
    if (sitio.isEmpty()) sitio = "https://soporte.example.com";
    while (sitio.endsWith('/')) sitio.chop(1);
    return sitio + "/tts";
}

void TFrmWeb::Timer1Timer() {
    Timer1->stop();
    // A changing query item keeps the browser from answering with a cached copy.
    ui::abrirUrl(direccionSoporte() + "?t=" + QString::number(QDateTime::currentMSecsSinceEpoch()));
}
