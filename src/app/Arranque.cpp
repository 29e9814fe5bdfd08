#include "app/Arranque.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include "app/Login.h"
#include "app/Main.h"
#include "catalog/BuscaCliente.h"
#include "catalog/BuscaProductos.h"
#include "catalog/Fotografia.h"
#include "common/Dialogos.h"
#include "common/TipoDeCambio.h"
#include "credit/CancelacionesCredito.h"
#include "credit/HistorialPagos.h"
#include "db/DataFolder.h"
#include "db/Sql.h"
#include "pos/CancelacionesVentas.h"
#include "pos/Cotizaciones.h"
#include "pos/Devoluciones.h"
#include "pos/NotaDeCredito2.h"
#include "pos/Pago.h"
#include "pos/ReimpresionVentas.h"
#include "printing/Muestra.h"
#include "tools/Demo.h"

namespace app {

void crearDialogos(QWidget* principal) {
    Dialogos& d = dialogos();
    // Order of creation as the program has always done it; the login comes separately.
    d.BuscaProductos = new TFrmBuscaProductos(principal);
    d.Pago = new TFrmPago(principal);
    d.ReimpresionVentas = new TFrmReimpresionVentas(principal);
    d.BuscaCliente = new TFrmBuscaCliente(principal);
    d.CancelacionesCredito = new TFrmCancelacionesCredito(principal);
    d.CancelacionesVentas = new TFrmCancelacionesVentas(principal);
    d.Cotizaciones = new TFrmCotizaciones(principal);
    d.TipoDeCambio = new TFrmTipoDeCambio(principal);
    d.HistorialPagos = new TFrmHistorialPagos(principal);
    d.Devoluciones = new TFrmDevoluciones(principal);
    d.NotaDeCredito2 = new TFrmNotaDeCredito2(principal);
    d.Fotografia = new TFrmFotografia(principal);
}

void destruirDialogos() {
    Dialogos& d = dialogos();
    delete d.BuscaProductos;
    delete d.Pago;
    delete d.ReimpresionVentas;
    delete d.BuscaCliente;
    delete d.CancelacionesCredito;
    delete d.CancelacionesVentas;
    delete d.Cotizaciones;
    delete d.TipoDeCambio;
    delete d.HistorialPagos;
    delete d.Devoluciones;
    delete d.NotaDeCredito2;
    delete d.Fotografia;
    d = Dialogos();
}

int ejecutar(int argc, char** argv) {
    QApplication a(argc, argv);
    QApplication::setApplicationName("KAVO_Refaccionaria");
    QApplication::setApplicationDisplayName("KAVO Refaccionaria");
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Mexico));

    // Standard dialogs and buttons speak Spanish.
    QTranslator qt;
    if (qt.load(QLocale(QLocale::Spanish, QLocale::Mexico), "qtbase", "_",
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        a.installTranslator(&qt);

    QCommandLineParser opciones;
    opciones.setApplicationDescription(
        "KAVO Refaccionaria: punto de venta, crédito, facturación e inventario.");
    opciones.addHelpOption();
    QCommandLineOption carpeta("datos", "Carpeta de datos de la tienda (base de datos, fotografías...).",
                               "carpeta");
    opciones.addOption(carpeta);
    QCommandLineOption demostracion(
        "demo",
        "Crea una tienda de demostración en su propia carpeta (nunca la de la tienda) y "
        "la abre.");
    opciones.addOption(demostracion);
    QCommandLineOption muestra("muestra-impresion",
                               "Imprime el documento de muestra (unidades de medida) y termina.");
    opciones.addOption(muestra);
    opciones.process(a);
    if (opciones.isSet(carpeta)) datos::fijarCarpeta(opciones.value(carpeta));
    if (opciones.isSet(demostracion)) {
        QString dir = opciones.isSet(carpeta) ? opciones.value(carpeta) : demo::carpetaDemostracion();
        QString e;
        if (!demo::crearTienda(dir, &e)) {
            QMessageBox::critical(nullptr, "KAVO Refaccionaria", e);
            return 1;
        }
        datos::fijarCarpeta(dir);
    }

    QString error;
    if (!datos::asegurarCarpetas(&error)) {
        QMessageBox::critical(nullptr, "KAVO Refaccionaria", error);
        return 1;
    }

    TFrmMain principal;
    db::Apertura ap = db::abrirConexion(datos::archivoBaseDatos());
    if (!ap.ok) {
        QMessageBox::critical(nullptr, "KAVO Refaccionaria", ap.error);
        return 1;
    }
    crearDialogos(&principal);
    if (demo::esDemostracion(datos::archivoBaseDatos()))
        principal.setWindowTitle(principal.windowTitle() + " - Tienda de demostración");
    if (opciones.isSet(muestra)) {
        bool ok = rpt::imprimirMuestra(&principal);
        destruirDialogos();
        db::cerrarConexion();
        return ok ? 0 : 1;
    }

    int r = 0;
    {
        TFrmLogin login;
        if (login.exec() == QDialog::Accepted) {
            principal.show();
            r = a.exec();
        }
    }
    destruirDialogos();
    db::cerrarConexion();
    return r;
}

}  // namespace app
