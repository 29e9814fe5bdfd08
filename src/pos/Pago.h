#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TFrmVentas;

// "Pago": the payment of a cash sale. Shows the total in pesos and dollars and the change
// for the amounts handed over; "Aceptar" stores the sale through the sales screen.
class TFrmPago : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmPago(QWidget* parent = nullptr);
    // Prepares the dialog for the sales screen's ticket and shows it modally.
    int mostrar(TFrmVentas* ventas);
    // Change in pesos for what is typed: pesos + dollars x rate - total.
    double cambio() const;

  private:
    void preparar(TFrmVentas* ventas);
    void EditChange(QLineEdit* caja);
    void BitBtn1Click();
    void BitBtn2Click();
    void calcularCambio();
    double tipoCambio() const;

    TFrmVentas* ventas_ = nullptr;
    double total_ = 0;
    QLabel* Label2;
    QLabel* Label8;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLabel* Label5;
    QLabel* Label10;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

  protected:
    void showEvent(QShowEvent* e) override;
};
