#include "common/Seams.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "db/Sql.h"

namespace ui {
namespace {
Guion* g_guion = nullptr;
QString tituloVentana() {
    return QApplication::applicationDisplayName();
}
}  // namespace

void usarGuion(Guion* g) {
    g_guion = g;
}
Guion* guion() {
    return g_guion;
}

void mensaje(const QString& texto, QWidget* padre) {
    if (g_guion) {
        g_guion->mostrados << texto;
        return;
    }
    QMessageBox::information(padre, tituloVentana(), texto);
}

void error(const QString& texto, QWidget* padre) {
    if (g_guion) {
        g_guion->mostrados << texto;
        g_guion->errores << texto;
        return;
    }
    QMessageBox::critical(padre, tituloVentana(), texto);
}

bool pregunta(const QString& texto, QWidget* padre) {
    if (g_guion) {
        g_guion->mostrados << texto;
        g_guion->preguntas << texto;
        return g_guion->respuestas.isEmpty() ? false : g_guion->respuestas.takeFirst();
    }
    return QMessageBox::question(padre, tituloVentana(), texto, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

int ejecutar(QDialog* d) {
    if (g_guion) {
        g_guion->dialogosMostrados << (d->objectName().isEmpty() ? d->windowTitle() : d->objectName());
        if (!g_guion->dialogo) return QDialog::Rejected;
        d->setResult(QDialog::Rejected);
        d->show();
        int r = g_guion->dialogo(d);
        d->hide();
        return r;
    }
    return d->exec();
}

QString abrirArchivo(QWidget* padre, const QString& titulo, const QString& carpeta, const QString& filtro) {
    if (g_guion) {
        g_guion->dialogosMostrados << titulo;
        return g_guion->archivo ? g_guion->archivo(titulo) : QString();
    }
    return QFileDialog::getOpenFileName(padre, titulo, carpeta, filtro);
}

QString guardarArchivo(QWidget* padre, const QString& titulo, const QString& archivo, const QString& filtro) {
    if (g_guion) {
        g_guion->dialogosMostrados << titulo;
        return g_guion->archivo ? g_guion->archivo(titulo) : QString();
    }
    return QFileDialog::getSaveFileName(padre, titulo, archivo, filtro);
}

void abrirUrl(const QString& url) {
    if (g_guion) {
        g_guion->urls << url;
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

bool protegido(const std::function<void()>& handler, QWidget* padre) {
    try {
        handler();
        return true;
    } catch (const db::SqlError& e) {
        error(e.mensaje(), padre);
    } catch (const AbortoSilencioso&) {
    }
    return false;
}

}  // namespace ui
