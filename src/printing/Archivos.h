#pragma once
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QStringList>

namespace rpt::archivos {
QByteArray gif(const QImage& img);                        // GIF89a, 256 colours
QByteArray ods(const QList<QList<QStringList>>& hojas);   // OpenDocument spreadsheet
QByteArray xlsx(const QList<QList<QStringList>>& hojas);  // Office Open XML workbook
QByteArray dbf(const QList<QStringList>& filas);          // dBase III table of text fields
}  // namespace rpt::archivos
