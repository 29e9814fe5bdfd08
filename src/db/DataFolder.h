#pragma once
#include <QString>

// The store's data folder: the database file, the invoice template, the code images and
// the product photos live under it. Chosen, in this order, by the program option
// --datos <carpeta>, the environment variable REFACCIONARIA_DATOS, or the per-user
// default ~/.local/share/KAVO_Refaccionaria.
namespace datos {
void fijarCarpeta(const QString& carpeta);  // from the command line, or a test
QString carpeta();
QString carpetaPredeterminada();  // the per-user default, whatever overrides are set
QString archivoBaseDatos();       // <carpeta>/Db/KAVO_Autopartes_DB.sqlite
QString carpetaImagenes();        // product photos: <carpeta>/Imagenes/<numero>.jpg
QString carpetaCodigos();         // two-dimensional codes of invoices: <carpeta>/CBBs
QString plantillaFactura();       // <carpeta>/CFDi.fr3
bool asegurarCarpetas(QString* error);
}  // namespace datos
