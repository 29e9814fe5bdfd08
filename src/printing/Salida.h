#pragma once
#include <QDialog>

#include "printing/Report.h"

class QPrinter;
class QRadioButton;
class QSpinBox;
class QPushButton;

namespace rpt {

// The output dialog every printout offers first: destination and number of copies.
class DlgOpcionesReporte : public QDialog {
    Q_OBJECT
  public:
    enum class Destino { Impresora, Vista, Archivo };
    explicit DlgOpcionesReporte(QWidget* padre = nullptr);
    Destino destino() const;

    QRadioButton* rbImpresora;
    QRadioButton* rbVistaPreliminar;
    QRadioButton* rbArchivoPdf;
    QSpinBox* spnCopias;
    QPushButton* btnAceptar;
    QPushButton* btnCancelar;
};

// Paints a document, `copias` times, on a printer already chosen (also the preview's);
// documents of many pages show the progress window "Estado del Reporte".
bool pintarEnImpresora(QPrinter& impresora, const Documento& d, int copias, QWidget* padre, bool conProgreso);

// A new file name <layout>_<yyyyMMdd_HHmmss_zzz>.pdf in `carpeta` that does not exist yet.
QString archivoDesatendido(const QString& carpeta, const QString& layout);

}  // namespace rpt
