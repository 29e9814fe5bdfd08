#pragma once
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include "common/Seams.h"

// A fresh store for one test: its own data folder and database file made by the
// program's schema code, the message seam scripted, printing captured, the
// administrator logged in and the clock fixed.
class TiendaDePrueba {
  public:
    explicit TiendaDePrueba(bool conDialogos = false);
    ~TiendaDePrueba();
    QString carpeta() const { return dir_.path(); }
    QString archivo() const;
    ui::Guion guion;

    // Small catalogue rows for tests.
    int marca(const QString& nombre);
    int modelo(int marca, const QString& nombre);
    int familia(const QString& nombre, int porcentaje = 0);
    int producto(const QString& parte, double precio, double costo = 0, double existencia = 10, int marca = 0,
                 int modelo = 0, int familia = 0, const QString& moneda = "Pesos");
    int cliente(const QString& nombre, bool credito = true, double limite = 1000, int dias = 30,
                bool bloqueado = false);
    double existencia(int producto) const;

  private:
    QTemporaryDir dir_;
    bool dialogos_;
};

// A widget of a screen by its objectName; fails the test when missing.
template <class T>
T* control(QObject* pantalla, const QString& nombre) {
    T* w = pantalla->findChild<T*>(nombre);
    if (!w) qFatal("control %s not found", qPrintable(nombre));
    return w;
}
