// Built as model code by the test model_code_cannot_include_widgets, which
// passes only when this file fails to compile. The qualified form is the one
// the Qt include root would otherwise let through.
#include <QtWidgets/QWidget>

QWidget* probe() { return nullptr; }
