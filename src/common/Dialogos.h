#pragma once

class TFrmBuscaProductos;
class TFrmPago;
class TFrmReimpresionVentas;
class TFrmBuscaCliente;
class TFrmCancelacionesCredito;
class TFrmCancelacionesVentas;
class TFrmCotizaciones;
class TFrmTipoDeCambio;
class TFrmHistorialPagos;
class TFrmDevoluciones;
class TFrmNotaDeCredito2;
class TFrmFotografia;

// The dialogs that screens borrow: created once, hidden, at start-up (in this order) and
// reused for the whole run. Screens reach them here; the main window fills it.
struct Dialogos {
    TFrmBuscaProductos* BuscaProductos = nullptr;
    TFrmPago* Pago = nullptr;
    TFrmReimpresionVentas* ReimpresionVentas = nullptr;
    TFrmBuscaCliente* BuscaCliente = nullptr;
    TFrmCancelacionesCredito* CancelacionesCredito = nullptr;
    TFrmCancelacionesVentas* CancelacionesVentas = nullptr;
    TFrmCotizaciones* Cotizaciones = nullptr;
    TFrmTipoDeCambio* TipoDeCambio = nullptr;
    TFrmHistorialPagos* HistorialPagos = nullptr;
    TFrmDevoluciones* Devoluciones = nullptr;
    TFrmNotaDeCredito2* NotaDeCredito2 = nullptr;
    TFrmFotografia* Fotografia = nullptr;
};
Dialogos& dialogos();
