#pragma once
// Qt's own Simplified Chinese for its widgets: the file dialogs, the notice box and the
// standard buttons read 打开, 取消, 确定 like the rest of the window, whatever the locale.

class QTranslator;

namespace tirnel {

// Installs qtbase_zh_CN from Qt's translations folder into the application. Returns the
// translator (owned by the application), or nullptr when that file is not installed; the
// dialogs then stay in Qt's English.
QTranslator* InstallQtChineseTranslation();

}  // namespace tirnel
