#include "TestSupport.h"

#include <QStandardPaths>

#include "app/Arranque.h"
#include "common/Sesion.h"
#include "db/Clock.h"
#include "db/DataFolder.h"
#include "db/Sql.h"
#include "printing/Report.h"

TiendaDePrueba::TiendaDePrueba(bool conDialogos) : dialogos_(conDialogos) {
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Mexico));
    datos::fijarCarpeta(dir_.path());
    QString e;
    if (!datos::asegurarCarpetas(&e)) qFatal("%s", qPrintable(e));
    db::Apertura a = db::abrirConexion(datos::archivoBaseDatos());
    if (!a.ok) qFatal("no database: %s", qPrintable(a.error));
    ui::usarGuion(&guion);
    rpt::prueba::capturar(true);
    rpt::prueba::limpiar();
    sesion::setIdUsuario(1);
    reloj::fijar(QDateTime(QDate(2026, 1, 10), QTime(17, 5, 0)));
    if (dialogos_) app::crearDialogos(nullptr);
}

TiendaDePrueba::~TiendaDePrueba() {
    if (dialogos_) app::destruirDialogos();
    ui::usarGuion(nullptr);
    rpt::prueba::limpiar();
    reloj::liberar();
    db::cerrarConexion();
}

QString TiendaDePrueba::archivo() const {
    return datos::archivoBaseDatos();
}

int TiendaDePrueba::marca(const QString& nombre) {
    auto e = db::Edicion::nueva("tblcat_marcas");
    e.set("Marca", nombre);
    return int(e.post());
}

int TiendaDePrueba::modelo(int marca, const QString& nombre) {
    auto e = db::Edicion::nueva("tblcat_modelos");
    e.set("Marca", marca);
    e.set("Modelo", nombre);
    return int(e.post());
}

int TiendaDePrueba::familia(const QString& nombre, int porcentaje) {
    auto e = db::Edicion::nueva("tblcat_familias");
    e.set("Familia", nombre);
    e.set("Porcentaje", porcentaje);
    return int(e.post());
}

int TiendaDePrueba::producto(const QString& parte, double precio, double costo, double existencia, int marca,
                             int modelo, int familia, const QString& moneda) {
    int id = db::siguienteConsecutivo("IdProductos");
    auto e = db::Edicion::nueva("tblcat_productos");
    e.set("Id", id);
    e.set("Parte", parte);
    e.set("Precio1", precio);
    e.set("Costo1", costo);
    e.set("Existencia", existencia);
    e.set("Marca", marca);
    e.set("Modelo", modelo);
    e.set("Familia", familia);
    e.set("Moneda", moneda);
    e.set("Ano", "00-05");
    e.set("AnoDesplegado", "2000,2001,2002,2003,2004,2005");
    e.post();
    return id;
}

int TiendaDePrueba::cliente(const QString& nombre, bool credito, double limite, int dias, bool bloqueado) {
    auto e = db::Edicion::nueva("tblcat_clientes");
    e.set("Nombre", nombre);
    e.set("NombreFiscal", nombre);
    e.set("Credito", credito);
    e.set("Bloqueado", bloqueado);
    e.set("LimiteCredito", limite);
    e.set("DiasCredito", dias);
    e.set("TipoDescuento", 1);
    e.set("Porcentaje", 0);
    return int(e.post());
}

double TiendaDePrueba::existencia(int producto) const {
    return db::valorUnico("select Existencia from tblcat_productos where Id = :id", {{"id", producto}})
        .toDouble();
}
