#include "db/DataFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace datos {
namespace {
QString g_carpeta;
}

void fijarCarpeta(const QString& c) {
    g_carpeta = QDir(c).absolutePath();
}

QString carpeta() {
    if (!g_carpeta.isEmpty()) return g_carpeta;
    QString env = qEnvironmentVariable("REFACCIONARIA_DATOS");
    if (!env.isEmpty()) return QDir(env).absolutePath();
    return carpetaPredeterminada();
}

QString carpetaPredeterminada() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/KAVO_Refaccionaria";
}

QString archivoBaseDatos() {
    return carpeta() + "/Db/KAVO_Autopartes_DB.sqlite";
}
QString carpetaImagenes() {
    return carpeta() + "/Imagenes";
}
QString carpetaCodigos() {
    return carpeta() + "/CBBs";
}
QString plantillaFactura() {
    return carpeta() + "/CFDi.fr3";
}

bool asegurarCarpetas(QString* error) {
    for (const QString& c : {carpeta() + "/Db", carpetaImagenes(), carpetaCodigos()}) {
        if (!QDir().mkpath(c)) {
            if (error) *error = "No se pudo crear la carpeta de datos: " + c;
            return false;
        }
    }
    return true;
}
}  // namespace datos
