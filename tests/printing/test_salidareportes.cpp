#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"
#include "printing/Motor.h"
#include "printing/Muestra.h"
#include "printing/Report.h"
#include "printing/Salida.h"

using namespace rpt;

// The output paths: the sample document, unattended PDF files, the output dialog and the
// export formats.
class TestSalidaReportes : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void muestraListaLasUnidades();
    void salidaDesatendidaEscribeUnPdfPorDocumento();
    void variableDeEntornoVaciaNoActivaLaSalida();
    void dialogoOfreceDestinosYCopias();
    void archivoPdfDesdeElDialogo();
    void cancelarElDialogoNoImprime();
    void sinImpresoraUnErrorEnEspanol();
    void vistaPreliminarMaximizada();
    void documentoLargoMuestraSuEstado();
    void exportaATodosLosFormatos_data();
    void exportaATodosLosFormatos();
    void textoYCsvConservanLasColumnas();
};

static int paginasDe(const QString& archivo) {
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return motor::paginasPdf(f.readAll());
}

static QStringList pdfsEn(const QString& carpeta) {
    return QDir(carpeta).entryList({"*.pdf"}, QDir::Files, QDir::Name);
}

void TestSalidaReportes::cleanup() {
    salidaDesatendida(QString());
    prueba::capturar(true);
}

void TestSalidaReportes::muestraListaLasUnidades() {
    TiendaDePrueba t;
    QVERIFY(imprimirMuestra());
    QCOMPARE(prueba::impresos().size(), 1);
    Documento d = prueba::impresos().first();
    QCOMPARE(d.layout, QString("UnidadesDeMedida"));
    QCOMPARE(d.paginas.size(), 1);
    QStringList x = d.textos();
    QCOMPARE(x.mid(0, 3), QStringList({"KAVO Refaccionaria", "Casa Tolvane", "RFC: CTO850312KV4"}));
    QVERIFY(x.contains("Unidades de Medida"));
    QVERIFY(x.contains("Fecha: 10/01/2026"));
    // Sorted by name and grouped by initial: Caja, Galón, Juego, Kit, Litro, Metro, Par, Pieza.
    int g = int(x.indexOf("Letra G"));
    QVERIFY(g > 0);
    QCOMPARE(x.mid(g, 5),
             QStringList({"Letra G", "6", QString::fromUtf8("Galón"), "GAL", "Unidades con la letra G: 1"}));
    int p = int(x.indexOf("Letra P"));
    QCOMPARE(x.mid(p + 1, 6), QStringList({"3", "Par", "PAR", "1", "Pieza", "PZA"}));
    QCOMPARE(x.at(p + 7), QString("Unidades con la letra P: 2"));
    QVERIFY(x.contains("Total de unidades: 8"));
    QCOMPARE(x.last(), QString::fromUtf8("Página 1 De 1"));
}

void TestSalidaReportes::salidaDesatendidaEscribeUnPdfPorDocumento() {
    TiendaDePrueba t;
    QTemporaryDir dir;
    QString carpeta = dir.filePath("salida");  // made when needed
    prueba::capturar(false);
    salidaDesatendida(carpeta);
    QCOMPARE(carpetaDesatendida(), carpeta);
    QVERIFY(imprimirMuestra());
    QVERIFY(imprimirMuestra());
    QVERIFY(t.guion.dialogosMostrados.isEmpty());
    QStringList pdfs = pdfsEn(carpeta);
    QCOMPARE(pdfs.size(), 2);  // two documents in the same instant still get two names
    QRegularExpression nombre(R"(^UnidadesDeMedida_\d{8}_\d{6}_\d{3}\.pdf$)");
    for (const QString& f : pdfs) {
        QVERIFY2(nombre.match(f).hasMatch(), qPrintable(f));
        QCOMPARE(paginasDe(QDir(carpeta).filePath(f)), 1);
    }

    // Copies go to the file as well, the way the printer would have had them.
    Trabajo dos = trabajoMuestra();
    dos.layout.nombre = "Copias";
    dos.copias = 2;
    QVERIFY(imprimir(dos));
    QStringList copias = QDir(carpeta).entryList({"Copias_*.pdf"});
    QCOMPARE(copias.size(), 1);
    QCOMPARE(paginasDe(QDir(carpeta).filePath(copias.first())), 2);

    // With the test sink on as well, the document is both recorded and written.
    prueba::capturar(true);
    QVERIFY(imprimirMuestra());
    QCOMPARE(prueba::impresos().size(), 1);
    QCOMPARE(pdfsEn(carpeta).size(), 4);
}

void TestSalidaReportes::variableDeEntornoVaciaNoActivaLaSalida() {
    QByteArray antes = qgetenv("REFA_SALIDA_PDF");
    qputenv("REFA_SALIDA_PDF", "");
    QVERIFY(carpetaDesatendida().isEmpty());
    qputenv("REFA_SALIDA_PDF", "/tmp/alguna");
    QCOMPARE(carpetaDesatendida(), QString("/tmp/alguna"));
    salidaDesatendida("/tmp/otra");  // the program's own choice wins
    QCOMPARE(carpetaDesatendida(), QString("/tmp/otra"));
    salidaDesatendida(QString());
    QCOMPARE(carpetaDesatendida(), QString("/tmp/alguna"));
    qputenv("REFA_SALIDA_PDF", antes);
}

void TestSalidaReportes::dialogoOfreceDestinosYCopias() {
    TiendaDePrueba t;
    prueba::capturar(false);
    Trabajo trabajo = trabajoMuestra();
    trabajo.copias = 2;
    bool visto = false;
    t.guion.dialogo = [&](QDialog* d) {
        visto = true;
        [&] {
            QCOMPARE(d->windowTitle(), QString("Opciones de Reporte"));
            auto* imp = control<QRadioButton>(d, "rbImpresora");
            QCOMPARE(imp->text(), QString("Impresora"));
            QVERIFY(imp->isChecked());
            QCOMPARE(control<QRadioButton>(d, "rbVistaPreliminar")->text(), QString("Vista Preliminar"));
            QCOMPARE(control<QRadioButton>(d, "rbArchivoPdf")->text(), QString("Archivo PDF"));
            QCOMPARE(control<QSpinBox>(d, "spnCopias")->value(), 2);
            QCOMPARE(control<QPushButton>(d, "btnAceptar")->text(), QString("Aceptar"));
            QCOMPARE(control<QPushButton>(d, "btnCancelar")->text(), QString("Cancelar"));
        }();
        return int(QDialog::Rejected);
    };
    QVERIFY(!imprimir(trabajo));
    QVERIFY(visto);
    QCOMPARE(t.guion.dialogosMostrados, QStringList({"OpcionesDeReporte"}));
}

void TestSalidaReportes::archivoPdfDesdeElDialogo() {
    TiendaDePrueba t;
    prueba::capturar(false);
    QTemporaryDir dir;
    t.guion.dialogo = [](QDialog* d) {
        control<QRadioButton>(d, "rbArchivoPdf")->setChecked(true);
        QTest::mouseClick(control<QPushButton>(d, "btnAceptar"), Qt::LeftButton);
        return d->result();
    };
    QString titulo;
    t.guion.archivo = [&](const QString& tt) {
        titulo = tt;
        return dir.filePath("unidades");  // no extension: a PDF
    };
    QVERIFY(imprimirMuestra());
    QCOMPARE(titulo, QString("Guardar reporte como"));
    QCOMPARE(paginasDe(dir.filePath("unidades.pdf")), 1);
    QVERIFY(t.guion.errores.isEmpty());

    // Any other format by its extension.
    t.guion.archivo = [&](const QString&) { return dir.filePath("unidades.html"); };
    QVERIFY(imprimirMuestra());
    QFile h(dir.filePath("unidades.html"));
    QVERIFY(h.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(h.readAll()).contains(QString::fromUtf8("Página 1 De 1")));

    // A file that cannot be written: the error is told.
    t.guion.archivo = [&](const QString&) { return dir.filePath("no/existe/unidades.pdf"); };
    QVERIFY(!imprimirMuestra());
    QCOMPARE(t.guion.errores.size(), 1);
    QVERIFY(t.guion.errores.first().startsWith("No se pudo escribir el archivo"));
}

void TestSalidaReportes::cancelarElDialogoNoImprime() {
    TiendaDePrueba t;
    prueba::capturar(false);
    QTemporaryDir dir;
    t.guion.dialogo = [](QDialog* d) {
        control<QRadioButton>(d, "rbArchivoPdf")->setChecked(true);
        QTest::mouseClick(control<QPushButton>(d, "btnCancelar"), Qt::LeftButton);
        return d->result();
    };
    t.guion.archivo = [&](const QString&) { return dir.filePath("x.pdf"); };
    QVERIFY(!imprimirMuestra());
    QVERIFY(!QFile::exists(dir.filePath("x.pdf")));
    // Abandoning the file chooser is not an error either.
    t.guion.dialogo = [](QDialog* d) {
        control<QRadioButton>(d, "rbArchivoPdf")->setChecked(true);
        return int(QDialog::Accepted);
    };
    t.guion.archivo = [](const QString&) { return QString(); };
    QVERIFY(!imprimirMuestra());
    QVERIFY(t.guion.errores.isEmpty());
}

void TestSalidaReportes::sinImpresoraUnErrorEnEspanol() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a printer");
    TiendaDePrueba t;
    prueba::capturar(false);
    t.guion.dialogo = [](QDialog*) { return int(QDialog::Accepted); };  // printer, the default
    QVERIFY(!imprimirMuestra());
    QCOMPARE(
        t.guion.errores,
        QStringList({QString::fromUtf8("No hay ninguna impresora instalada en este equipo; elija \"Vista "
                                       "Preliminar\" o \"Archivo PDF\", gracias")}));
}

void TestSalidaReportes::vistaPreliminarMaximizada() {
    TiendaDePrueba t;
    prueba::capturar(false);
    QString titulo;
    bool maximizada = false;
    double zoom = 0;
    int paginas = 0;
    t.guion.dialogo = [&](QDialog* d) {
        if (d->objectName() == "OpcionesDeReporte") {
            control<QRadioButton>(d, "rbVistaPreliminar")->setChecked(true);
            return int(QDialog::Accepted);
        }
        titulo = d->windowTitle();
        maximizada = d->windowState() & Qt::WindowMaximized;
        QTest::qWait(100);
        if (auto* w = d->findChild<QPrintPreviewWidget*>()) {
            zoom = w->zoomFactor();
            paginas = w->pageCount();
        }
        return int(QDialog::Rejected);
    };
    QVERIFY(imprimirMuestra());
    QCOMPARE(t.guion.dialogosMostrados, QStringList({"OpcionesDeReporte", "VistaPreliminar"}));
    QCOMPARE(titulo, QString("Vista Preliminar"));
    QVERIFY(maximizada);
    QCOMPARE(zoom, 1.0);  // actual size
    QCOMPARE(paginas, 1);
}

void TestSalidaReportes::documentoLargoMuestraSuEstado() {
    TiendaDePrueba t;
    prueba::capturar(false);
    QTemporaryDir dir;
    Trabajo largo;
    largo.layout.nombre = "Largo";
    largo.layout.datos = "DS";
    DataSet ds;
    ds.columnas = {"n"};
    for (int i = 0; i < 300; ++i) ds.filas << QVariantList{i};
    largo.datos["DS"] = ds;
    largo.layout.banda(TipoBanda::Detalle, 5).campo(0, 0, 50, 5, "n");
    t.guion.dialogo = [](QDialog* d) {
        control<QRadioButton>(d, "rbArchivoPdf")->setChecked(true);
        return int(QDialog::Accepted);
    };
    t.guion.archivo = [&](const QString&) { return dir.filePath("largo.pdf"); };
    QString titulo;
    QTimer vigia;
    connect(&vigia, &QTimer::timeout, this, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QProgressDialog*>(w) && w->isVisible()) titulo = w->windowTitle();
    });
    vigia.start(0);
    QVERIFY(imprimir(largo));
    vigia.stop();
    QCOMPARE(titulo, QString("Estado del Reporte"));
    QCOMPARE(paginasDe(dir.filePath("largo.pdf")), 6);  // 300 rows of 5 mm, 51 a page
}

void TestSalidaReportes::exportaATodosLosFormatos_data() {
    QTest::addColumn<QString>("archivo");
    QTest::addColumn<QByteArray>("inicio");
    QTest::newRow("pdf") << "r.pdf" << QByteArray("%PDF");
    QTest::newRow("html") << "r.html" << QByteArray("<!DOCTYPE html>");
    QTest::newRow("odt") << "r.odt" << QByteArray("PK");
    QTest::newRow("rtf") << "r.rtf" << QByteArray("{\\rtf1");
    QTest::newRow("xml") << "r.xml" << QByteArray("<?xml");
    QTest::newRow("txt") << "r.txt" << QByteArray(" ");  // the centred store name
    QTest::newRow("csv") << "r.csv" << QByteArray("KAVO Refaccionaria");
    QTest::newRow("png") << "r.png" << QByteArray("\x89PNG");
    QTest::newRow("jpeg") << "r.jpg" << QByteArray("\xff\xd8\xff");
    QTest::newRow("bmp") << "r.bmp" << QByteArray("BM");
    QTest::newRow("tiff") << "r.tif" << QByteArray("II*\0", 4);
    QTest::newRow("gif") << "r.gif" << QByteArray("GIF89a");
    // OpenDocument wants its media type stored first, uncompressed.
    QTest::newRow("ods") << "r.ods"
                         << QByteArray("PK\x03\x04") + QByteArray(26, '?') +
                                "mimetypeapplication/vnd.oasis.opendocument.spreadsheet";
    QTest::newRow("xlsx") << "r.xlsx" << QByteArray("PK\x03\x04");
    QTest::newRow("dbf") << "r.dbf" << QByteArray("\x03");
}

void TestSalidaReportes::exportaATodosLosFormatos() {
    QFETCH(QString, archivo);
    QFETCH(QByteArray, inicio);
    TiendaDePrueba t;
    QTemporaryDir dir;
    Documento d = componer(trabajoMuestra());
    Formato f;
    QVERIFY(formatoPorExtension(archivo, &f));
    QVERIFY(exportar(d, dir.filePath(archivo), f));
    QFile x(dir.filePath(archivo));
    QVERIFY(x.open(QIODevice::ReadOnly));
    QByteArray bytes = x.readAll();
    QByteArray comienzo = bytes.left(inicio.size());
    for (int i = 0; i < inicio.size(); ++i)
        if (inicio.at(i) == '?') comienzo[i] = '?';
    QVERIFY2(comienzo == inicio, bytes.left(16).toHex().constData());
    if (f == Formato::Dbf) {
        // one record per printed row: 9 of heading, 7 groups of 8 units, total and footer
        quint32 registros = quint8(bytes[4]) | quint8(bytes[5]) << 8;
        QCOMPARE(registros, quint32(33));
        QVERIFY(bytes.contains("Caja"));
        QCOMPARE(bytes.at(bytes.size() - 1), char(0x1A));
    }
    if (f == Formato::Png || f == Formato::Jpeg || f == Formato::Bmp || f == Formato::Tiff ||
        f == Formato::Gif) {
        QImage img;
        if (f == Formato::Tiff) {
            // a whole letter page at 150 dpi, uncompressed RGB
            QCOMPARE(bytes.size() > 1275 * 1650 * 3, true);
        } else {
            QVERIFY(img.load(dir.filePath(archivo)));
            QCOMPARE(img.size(), QSize(1275, 1650));
        }
        if (f == Formato::Gif) {
            // Decoded, the picture is the page itself.
            QImage pagina = motor::imagenDePagina(d.paginas.first(), 150);
            int distintos = 0, oscuros = 0;
            for (int y = 0; y < img.height(); y += 3)
                for (int x = 0; x < img.width(); x += 3) {
                    int g = qGray(img.pixel(x, y));
                    if (qAbs(g - qGray(pagina.pixel(x, y))) > 64) ++distintos;
                    if (g < 128) ++oscuros;
                }
            QCOMPARE(distintos, 0);
            QVERIFY(oscuros > 1000);
        }
    }
    QVERIFY(filtroArchivos().startsWith("Documento PDF (*.pdf)"));
}

void TestSalidaReportes::textoYCsvConservanLasColumnas() {
    TiendaDePrueba t;
    QTemporaryDir dir;
    Documento d = componer(trabajoMuestra());
    QVERIFY(exportar(d, dir.filePath("r.csv"), Formato::Csv));
    QFile c(dir.filePath("r.csv"));
    QVERIFY(c.open(QIODevice::ReadOnly));
    QString csv = QString::fromUtf8(c.readAll());
    QVERIFY(csv.contains("Clave;Unidad;Abreviatura\r\n"));
    QVERIFY(csv.contains("8;Caja;CJA\r\n"));
    QVERIFY(exportar(d, dir.filePath("r.txt"), Formato::Texto));
    QFile x(dir.filePath("r.txt"));
    QVERIFY(x.open(QIODevice::ReadOnly));
    QStringList lineas = QString::fromUtf8(x.readAll()).split('\n');
    int cab = int(lineas.indexOf(QRegularExpression("^ *Clave +Unidad +Abreviatura$")));
    QVERIFY(cab > 0);
    QString caja = lineas.at(cab + 2);
    QVERIFY2(caja.contains(QRegularExpression("^ +8 +Caja +CJA$")), qPrintable(caja));
    // Unit and abbreviation start in the same columns as their captions.
    QCOMPARE(caja.indexOf("Caja"), lineas.at(cab).indexOf("Unidad"));
    QCOMPARE(caja.indexOf("CJA"), lineas.at(cab).indexOf("Abreviatura"));
}

QTEST_MAIN(TestSalidaReportes)
#include "test_salidareportes.moc"
