#pragma once
#include <initializer_list>
class QWidget;

// The focus colours every screen gives its entry fields: yellow while a field has the
// focus, the standard window colour when it loses it.
namespace ZUMUtils {
void EntrarCampo(QWidget* campo);  // paints it yellow
void SalirCampo(QWidget* campo);   // paints it back
// Attaches both routines to the fields (line edits, editable combo boxes, spin boxes...).
void colorearFoco(QWidget* campo);
void colorearFoco(std::initializer_list<QWidget*> campos);
}  // namespace ZUMUtils
