#pragma once
#include <QDialog>

class QCalendarWidget;
class QPushButton;

// "Historial de Pagos"
class TFrmHistorialPagos : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmHistorialPagos(QWidget* parent = nullptr);
    // Shows the dialog modally for the customer loaded in the credit screen (0: none).
    int mostrar(int cliente);
    int cliente() const { return cliente_; }

    void BitBtn1Click();  // "Generar Reporte"

  private:
    QCalendarWidget* date1;
    QCalendarWidget* date2;
    QPushButton* BitBtn1;
    int cliente_ = 0;
};
