#pragma once
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <stdexcept>

#include "db/Money.h"

// The three ways of reaching the data, on the one shared connection Cnn:
//  1. Consulta: a prepared query with :name parameters, read by column name;
//  2. ejecutar(): a statement executed at once (values bound, never pasted);
//  3. Edicion: editing one row of a table (append, edit, post, delete, new key).
// Failures raise db::SqlError carrying the engine's message; screens show it.
namespace db {

class SqlError : public std::runtime_error {
  public:
    explicit SqlError(const QString& mensaje) : std::runtime_error(mensaje.toStdString()), msg_(mensaje) {}
    const QString& mensaje() const { return msg_; }

  private:
    QString msg_;
};

// --- the connection -------------------------------------------------------------
struct Apertura {
    bool ok = false;
    bool creada = false;  // a new database file was created with the schema
    QString error;        // the engine's message when !ok
};

// Opens (or creates, with the schema and seed rows) the database file as the shared
// connection. An existing file that is not a database of this system is left untouched.
Apertura abrirConexion(const QString& archivo);
void cerrarConexion();
QSqlDatabase cnn();  // the shared connection
bool conectada();
// A second, independent connection to the same file (another station, in tests).
QSqlDatabase abrirConexionAdicional(const QString& archivo, const QString& nombre);
void configurarConexion(QSqlDatabase& db);  // WAL, busy timeout, functions

// --- 1. prepared query ------------------------------------------------------------
class Consulta {
  public:
    explicit Consulta(const QString& sql = QString());
    Consulta(const QString& sql, const QSqlDatabase& db);

    void setSql(const QString& sql);
    const QString& sql() const { return sql_; }
    Consulta& bind(const QString& nombre, const QVariant& valor);  // ":nombre" or "nombre"

    void abrir();  // runs the query; throws SqlError
    bool abrir(QString* error);
    void cerrar();
    bool activa() const { return activa_; }

    bool vacia() const { return !activa_ || !tieneFilas_; }
    bool primero();
    bool siguiente();
    bool irA(int fila);
    int fila() const;
    int contarFilas();  // walks the result once; the current row is kept

    QVariant valor(const QString& columna) const;
    bool esNulo(const QString& columna) const { return valor(columna).isNull(); }
    QString texto(const QString& columna) const { return valor(columna).toString(); }
    int entero(const QString& columna) const { return valor(columna).toInt(); }
    qlonglong largo(const QString& columna) const { return valor(columna).toLongLong(); }
    double real(const QString& columna) const { return valor(columna).toDouble(); }
    Money dinero(const QString& columna) const { return Money::fromVariant(valor(columna)); }
    bool logico(const QString& columna) const { return valor(columna).toInt() != 0; }
    QDateTime fecha(const QString& columna) const;
    QSqlRecord registro() const { return q_.record(); }
    QSqlQuery& query() { return q_; }

  private:
    QString sql_;
    QSqlDatabase db_;
    QSqlQuery q_;
    QVariantMap params_;
    bool activa_ = false;
    bool tieneFilas_ = false;
};

// Gives a grid model the rows of a query, all of them at once (see Consulta::abrir: a
// half-read result would hold the connection's read snapshot open). Throws SqlError.
void llenarModelo(QSqlQueryModel* modelo, const QString& sql, const QVariantMap& params = {});

// --- 2. statement executed at once ---------------------------------------------------
void ejecutar(const QString& sql, const QVariantMap& params = {});  // throws SqlError
void ejecutar(const QSqlDatabase& db, const QString& sql, const QVariantMap& params = {});
bool ejecutarSilencioso(const QString& sql, const QVariantMap& params = {});  // false on error
QVariant valorUnico(const QString& sql, const QVariantMap& params = {});      // first column of first row

// --- 3. row editing -----------------------------------------------------------------
class Edicion {
  public:
    static Edicion nueva(const QString& tabla, const QSqlDatabase& db = cnn());
    // Loads the row whose column `clave` equals `valor`; throws when there is none.
    static Edicion existente(const QString& tabla, const QString& clave, const QVariant& valor,
                             const QSqlDatabase& db = cnn());

    void set(const QString& columna, const QVariant& valor);
    QVariant valor(const QString& columna) const;
    bool esNueva() const { return nueva_; }
    // Stores the row (insert or update of the assigned columns) and returns its key: the
    // autonumber the database gave a new row, or the key of an edited one.
    qlonglong post();
    void borrar();

  private:
    Edicion() = default;
    QSqlDatabase db_;
    QString tabla_;
    QString clave_ = "Id";
    QVariant valorClave_;
    QSqlRecord campos_;  // the table's columns, to validate names
    QVariantMap valores_;
    QStringList asignados_;
    bool nueva_ = true;
};

// --- transactions ---------------------------------------------------------------------
// A document stored in several writes runs inside one Transaccion: it rolls back unless
// confirmar() is called. Nested objects join the outermost one. The write lock is taken
// at the start, so another station waits (busy timeout) instead of interleaving.
class Transaccion {
  public:
    explicit Transaccion(const QSqlDatabase& db = cnn());
    ~Transaccion();
    void confirmar();
    Transaccion(const Transaccion&) = delete;
    Transaccion& operator=(const Transaccion&) = delete;

  private:
    QSqlDatabase db_;
    bool externa_ = false;
    bool hecha_ = false;
};

// --- counters ---------------------------------------------------------------------------
// Takes the next value of a counter of tblctrl_consecutivos ("IdProductos" or
// "IdNotaVenta") atomically: two stations never receive the same number.
int siguienteConsecutivo(const QString& columna, const QSqlDatabase& db = cnn());

}  // namespace db
