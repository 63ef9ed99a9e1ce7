// Texts that follow the language while their widget lives. A widget is given its source text
// (the Japanese, marked for lupdate with QT_TR_NOOP or QT_TRANSLATE_NOOP) and shows its
// translation; on QEvent::LanguageChange its window calls RetranslateTree and every such text
// is translated again. Texts built from numbers are rebuilt by their window instead.
#pragma once

class QObject;

namespace mizaro {

// Sets the translated text of a QAction, QMenu (title), QGroupBox (title), QAbstractButton or
// QLabel, and keeps the source for RetranslateTree.
void SetSourceText(QObject* target, const char* context, const char* source);
// The same for a widget's tooltip.
void SetSourceToolTip(QObject* target, const char* context, const char* source);

// Translates again every kept text of `root` and of the objects below it.
void RetranslateTree(QObject* root);

}  // namespace mizaro
