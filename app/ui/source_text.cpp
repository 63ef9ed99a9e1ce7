#include "app/ui/source_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace mizaro {

namespace {

constexpr const char* kContext = "mizaroTextContext";
constexpr const char* kText = "mizaroSourceText";
constexpr const char* kToolTip = "mizaroSourceToolTip";

QString Translate(const QObject* o, const char* property) {
    const QByteArray context = o->property(kContext).toByteArray();
    const QByteArray source = o->property(property).toByteArray();
    return QCoreApplication::translate(context.constData(), source.constData());
}

void Apply(QObject* o) {
    if (o->property(kText).isValid()) {
        const QString text = Translate(o, kText);
        if (auto* a = qobject_cast<QAction*>(o))
            a->setText(text);
        else if (auto* m = qobject_cast<QMenu*>(o))
            m->setTitle(text);
        else if (auto* g = qobject_cast<QGroupBox*>(o))
            g->setTitle(text);
        else if (auto* b = qobject_cast<QAbstractButton*>(o))
            b->setText(text);
        else if (auto* l = qobject_cast<QLabel*>(o))
            l->setText(text);
    }
    if (o->property(kToolTip).isValid()) {
        const QString tip = Translate(o, kToolTip);
        if (auto* a = qobject_cast<QAction*>(o))
            a->setToolTip(tip);
        else if (auto* w = qobject_cast<QWidget*>(o))
            w->setToolTip(tip);
    }
}

}  // namespace

void SetSourceText(QObject* target, const char* context, const char* source) {
    target->setProperty(kContext, QByteArray(context));
    target->setProperty(kText, QByteArray(source));
    Apply(target);
}

void SetSourceToolTip(QObject* target, const char* context, const char* source) {
    target->setProperty(kContext, QByteArray(context));
    target->setProperty(kToolTip, QByteArray(source));
    Apply(target);
}

void RetranslateTree(QObject* root) {
    Apply(root);
    for (QObject* o : root->findChildren<QObject*>()) Apply(o);
}

}  // namespace mizaro
