// Put first on the include path of the model libraries: every Qt Widgets
// header includes this one, so a widget include in model code stops the build
// here instead of quietly tying the model to windows.
#error "Model code may use Qt Core and Qt Gui only; windows belong in a windows/ folder."
