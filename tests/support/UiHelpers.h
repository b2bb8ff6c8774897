#pragma once

#include <QAbstractButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// The child of `root` with this object name; fails the test when there is none.
template <typename T> T* Find(const QWidget* root, const QString& name) {
    T* widget = root->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
    return widget;
}

inline void Click(const QWidget* root, const QString& name) {
    if (auto* button = Find<QAbstractButton>(root, name))
        button->click();
}

#include <QDialog>
#include <QLineEdit>

// Types into a grid cell through the dialog's own cell editor "edVal", leaving it with Enter.
template <typename Dialog> void TypeInCell(Dialog& dialog, int row, int column, const QString& text) {
    dialog.sgValoresMouseDown(row, column);
    auto* editor = Find<QLineEdit>(&dialog, "edVal");
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
}

// Answers the comparison shown before a configuration file is loaded with "Load".
inline int LoadTheDifferences(QDialog& dialog) {
    Click(&dialog, "bbCarregar");
    return dialog.result();
}
