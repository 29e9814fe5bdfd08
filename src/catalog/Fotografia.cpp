#include "catalog/Fotografia.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include "common/Seams.h"
#include "db/DataFolder.h"

TFrmFotografia::TFrmFotografia(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmFotografia");
    setWindowTitle(QString::fromUtf8("Fotografía"));
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setAlignment(Qt::AlignCenter);
}

QString TFrmFotografia::archivo(int idProducto) {
    return QDir(datos::carpetaImagenes()).filePath(QString::number(idProducto) + ".jpg");
}

void TFrmFotografia::mostrar(int idProducto) {
    QImageReader lector(archivo(idProducto));
    const QImage imagen = lector.read();
    if (imagen.isNull()) {
        ui::mensaje(QString::fromUtf8("No existe fotografía para este producto, gracias!"), this);
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(imagen));
    Image1->setGeometry(0, 0, imagen.width(), imagen.height());
    // The window fits the picture plus its frame and title bar, centred on the screen.
    resize(imagen.width() + 10, imagen.height() + 35);
    Image1->setGeometry(0, 0, width(), height());
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect r = s->availableGeometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
    ui::ejecutar(this);
}
