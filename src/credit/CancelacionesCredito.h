#pragma once
#include <QDialog>

class QTableWidget;
class QPushButton;

// "Cancelaciones": undoes a payment taken in the credit screen.
class TFrmCancelacionesCredito : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmCancelacionesCredito(QWidget* parent = nullptr);
    // Re-reads every payment of every customer, newest first (QSaldos).
    void recargar();

    void BitBtn1Click();  // "Cancelar"

  private:
    QTableWidget* DBGrid1;
    QPushButton* BitBtn1;
};
