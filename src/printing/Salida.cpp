#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "common/Seams.h"
#include "db/Sql.h"
#include "printing/Motor.h"
#include "printing/Salida.h"

namespace rpt {

namespace {
bool g_captura = false;
QList<Documento> g_impresos;
QString g_carpeta;  // set by salidaDesatendida(); otherwise the environment

// Documents of at least this many pages show the progress window while they print.
constexpr int kPaginasConProgreso = 5;

QString nombreSeguro(const QString& layout) {
    QString n = layout.isEmpty() ? QStringLiteral("Reporte") : layout;
    for (QChar& c : n)
        if (!(c.isLetterOrNumber() || c == '-' || c == '_')) c = '_';
    return n;
}

// The window "Estado del Reporte" while a document of many pages is sent.
class Progreso {
  public:
    Progreso(int total, QWidget* padre) : total_(total) {
        if (total < kPaginasConProgreso) return;
        dlg_ = std::make_unique<QProgressDialog>(QString(), "Cancelar", 0, total, padre);
        dlg_->setObjectName("EstadoDelReporte");
        dlg_->setWindowTitle("Estado del Reporte");
        dlg_->setWindowModality(Qt::WindowModal);
        dlg_->setMinimumDuration(0);
    }
    ~Progreso() {
        if (dlg_) dlg_->setValue(total_);
    }
    // False when the user stopped it.
    bool paso(int hechas) {
        if (!dlg_) return true;
        dlg_->setLabelText(QString::fromUtf8("Procesando página %1 de %2...").arg(hechas + 1).arg(total_));
        dlg_->setValue(hechas);
        return !dlg_->wasCanceled();
    }

  private:
    int total_;
    std::unique_ptr<QProgressDialog> dlg_;
};

}  // namespace

// --- the output dialog ----------------------------------------------------------------------

DlgOpcionesReporte::DlgOpcionesReporte(QWidget* padre) : QDialog(padre) {
    setObjectName("OpcionesDeReporte");
    setWindowTitle("Opciones de Reporte");
    auto* v = new QVBoxLayout(this);
    auto* grupo = new QGroupBox("Destino del reporte", this);
    auto* g = new QVBoxLayout(grupo);
    rbImpresora = new QRadioButton("Impresora", grupo);
    rbImpresora->setObjectName("rbImpresora");
    rbVistaPreliminar = new QRadioButton("Vista Preliminar", grupo);
    rbVistaPreliminar->setObjectName("rbVistaPreliminar");
    rbArchivoPdf = new QRadioButton("Archivo PDF", grupo);
    rbArchivoPdf->setObjectName("rbArchivoPdf");
    rbImpresora->setChecked(true);
    g->addWidget(rbImpresora);
    g->addWidget(rbVistaPreliminar);
    g->addWidget(rbArchivoPdf);
    v->addWidget(grupo);

    auto* h = new QHBoxLayout;
    auto* lbl = new QLabel("Copias:", this);
    spnCopias = new QSpinBox(this);
    spnCopias->setObjectName("spnCopias");
    spnCopias->setRange(1, 99);
    lbl->setBuddy(spnCopias);
    h->addWidget(lbl);
    h->addWidget(spnCopias);
    h->addStretch();
    v->addLayout(h);

    auto* botones = new QHBoxLayout;
    btnAceptar = new QPushButton("Aceptar", this);
    btnAceptar->setObjectName("btnAceptar");
    btnAceptar->setDefault(true);
    btnCancelar = new QPushButton("Cancelar", this);
    btnCancelar->setObjectName("btnCancelar");
    botones->addStretch();
    botones->addWidget(btnAceptar);
    botones->addWidget(btnCancelar);
    v->addLayout(botones);
    connect(btnAceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

DlgOpcionesReporte::Destino DlgOpcionesReporte::destino() const {
    if (rbVistaPreliminar->isChecked()) return Destino::Vista;
    if (rbArchivoPdf->isChecked()) return Destino::Archivo;
    return Destino::Impresora;
}

// --- painting on a printer (the printer itself, or the preview) ------------------------------

bool pintarEnImpresora(QPrinter& impresora, const Documento& d, int copias, QWidget* padre,
                       bool conProgreso) {
    if (d.paginas.isEmpty()) return false;
    impresora.setFullPage(true);
    impresora.setPageLayout(motor::disposicion(d.paginas.first().tamano));
    QPainter p;
    if (!p.begin(&impresora)) {
        ui::error(QString::fromUtf8("No se pudo iniciar la impresión en la impresora \"%1\".")
                      .arg(impresora.printerName()),
                  padre);
        return false;
    }
    const int total = int(d.paginas.size()) * std::max(1, copias);
    std::unique_ptr<Progreso> progreso;
    if (conProgreso) progreso = std::make_unique<Progreso>(total, padre);
    int hechas = 0;
    for (int c = 0; c < std::max(1, copias); ++c) {
        for (const PaginaImpresa& pg : d.paginas) {
            if (progreso && !progreso->paso(hechas)) {
                impresora.abort();
                return false;
            }
            if (hechas > 0) {
                impresora.setPageLayout(motor::disposicion(pg.tamano));
                impresora.newPage();
            }
            p.save();
            p.scale(impresora.logicalDpiX() / 25.4, impresora.logicalDpiY() / 25.4);
            motor::pintarPagina(p, pg);
            p.restore();
            ++hechas;
        }
    }
    return p.end();
}

namespace {

bool aImpresora(const Documento& d, int copias, QWidget* padre) {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        ui::error(
            QString::fromUtf8("No hay ninguna impresora instalada en este equipo; elija \"Vista Preliminar\" "
                              "o \"Archivo PDF\", gracias"),
            padre);
        return false;
    }
    QPrinter impresora(info, QPrinter::HighResolution);
    impresora.setDocName(d.layout);
    impresora.setCollateCopies(true);
    // The printer makes the copies when it can; otherwise every copy is sent.
    if (impresora.supportsMultipleCopies()) {
        impresora.setCopyCount(copias);
        copias = 1;
    }
    return pintarEnImpresora(impresora, d, copias, padre, true);
}

bool aVistaPreliminar(const Documento& d, int copias, QWidget* padre) {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setDocName(d.layout);
    impresora.setFullPage(true);
    impresora.setPageLayout(motor::disposicion(d.paginas.first().tamano));
    impresora.setCopyCount(copias);
    QPrintPreviewDialog vista(&impresora, padre);
    vista.setObjectName("VistaPreliminar");
    vista.setWindowTitle("Vista Preliminar");
    vista.setWindowState(vista.windowState() | Qt::WindowMaximized);
    bool primeraVez = true;
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista, [&](QPrinter* pr) {
        // The preview shows the document once; printing from it asks its own copies.
        int n = primeraVez || pr->supportsMultipleCopies() ? 1 : pr->copyCount();
        pintarEnImpresora(*pr, d, n, &vista, !primeraVez);
        if (primeraVez) {
            primeraVez = false;
            // At actual size once the preview has laid itself out.
            QTimer::singleShot(0, &vista, [&vista] {
                if (auto* w = vista.findChild<QPrintPreviewWidget*>()) {
                    w->setZoomMode(QPrintPreviewWidget::CustomZoom);
                    w->setZoomFactor(1.0);
                }
            });
        }
    });
    ui::ejecutar(&vista);
    return true;
}

bool aArchivo(const Documento& d, QWidget* padre) {
    QString archivo =
        ui::guardarArchivo(padre, "Guardar reporte como", nombreSeguro(d.layout) + ".pdf", filtroArchivos());
    if (archivo.isEmpty()) return false;
    Formato f = Formato::Pdf;
    if (!formatoPorExtension(archivo, &f)) archivo += ".pdf";
    bool ok = false;
    if (f == Formato::Pdf) {
        Progreso progreso(int(d.paginas.size()), padre);
        bool detenido = false;
        ok = motor::escribirPdf(d, archivo, 1,
                                [&](int hechas, int) { return !(detenido = !progreso.paso(hechas)); });
        if (detenido) {
            QFile::remove(archivo);
            return false;
        }
    } else {
        ok = exportar(d, archivo, f);
    }
    if (!ok) {
        ui::error(QString::fromUtf8("No se pudo escribir el archivo \"%1\".")
                      .arg(QDir::toNativeSeparators(archivo)),
                  padre);
        return false;
    }
    return true;
}

}  // namespace

QString archivoDesatendido(const QString& carpeta, const QString& layout) {
    QDir dir(carpeta);
    QDateTime t = QDateTime::currentDateTime();
    for (;;) {
        QString f = dir.filePath(nombreSeguro(layout) + "_" + t.toString("yyyyMMdd_HHmmss_zzz") + ".pdf");
        if (!QFileInfo::exists(f)) return f;
        t = t.addMSecs(1);
    }
}

namespace {
bool salidaPdfDesatendida(const Documento& d, const QString& carpeta) {
    if (!QDir().mkpath(carpeta)) {
        qWarning("unattended output: cannot create folder %s", qPrintable(carpeta));
        return false;
    }
    QString f = archivoDesatendido(carpeta, d.layout);
    if (!motor::escribirPdf(d, f, d.copias)) {
        qWarning("unattended output: cannot write %s", qPrintable(f));
        return false;
    }
    return true;
}
}  // namespace

// --- the one printing path of every screen ------------------------------------------------------

bool imprimir(const Trabajo& t, QWidget* padre) {
    Documento d;
    try {
        d = componer(t);
    } catch (const db::SqlError& e) {
        ui::error(e.mensaje(), padre);
        return false;
    }
    const QString carpeta = carpetaDesatendida();
    if (g_captura) {
        g_impresos << d;
        if (!carpeta.isEmpty()) salidaPdfDesatendida(d, carpeta);
        return true;
    }
    if (!carpeta.isEmpty()) return salidaPdfDesatendida(d, carpeta);

    DlgOpcionesReporte opciones(padre);
    opciones.spnCopias->setValue(std::max(1, t.copias));
    if (ui::ejecutar(&opciones) != QDialog::Accepted) return false;
    const int copias = opciones.spnCopias->value();
    d.copias = copias;
    switch (opciones.destino()) {
        case DlgOpcionesReporte::Destino::Impresora:
            return aImpresora(d, copias, padre);
        case DlgOpcionesReporte::Destino::Vista:
            return aVistaPreliminar(d, copias, padre);
        case DlgOpcionesReporte::Destino::Archivo:
            return aArchivo(d, padre);
    }
    return false;
}

void salidaDesatendida(const QString& carpeta) {
    g_carpeta = carpeta;
}

QString carpetaDesatendida() {
    if (!g_carpeta.isEmpty()) return g_carpeta;
    return qEnvironmentVariable("REFA_SALIDA_PDF").trimmed();
}

namespace prueba {
void capturar(bool activo) {
    g_captura = activo;
}
QList<Documento> impresos() {
    return g_impresos;
}
void limpiar() {
    g_impresos.clear();
}
}  // namespace prueba

}  // namespace rpt
