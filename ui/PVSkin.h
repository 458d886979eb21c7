#pragma once
// Each widget class has its style sheet compiled in as ":/skin/<class name>.css".

class QWidget;

namespace PVSkin {

// Applies the widget's own style sheet; false (logged) when the resource is missing.
bool apply(QWidget* widget);
// The same after the style sheet of a related class whose look the widget shares.
bool applyWith(QWidget* widget, const char* sharedClass);

} // namespace PVSkin
