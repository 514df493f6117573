// The "&Akceptuj" / "A&nuluj" pair of a choice dialog over its behaviour object: each
// button tells the model first, then closes the dialog accepted or rejected.
//
//   auto* buttons = new QHBoxLayout;
//   btnAkceptuj_ = addAcceptCancel(*this, *buttons, model_);   // enable it as the model says
#pragma once

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace Korvel::Gui {

// Model: anything with accept() and cancel(). Returns the accept button.
template <class Model>
QPushButton* addAcceptCancel(QDialog& dialog, QBoxLayout& row, Model& model) {
    auto* btnAkceptuj = new QPushButton("&Akceptuj", &dialog);
    btnAkceptuj->setObjectName("btnAkceptuj");
    btnAkceptuj->setDefault(true);
    auto* btnAnuluj = new QPushButton("A&nuluj", &dialog);
    btnAnuluj->setObjectName("btnAnuluj");
    row.addWidget(btnAkceptuj);
    row.addWidget(btnAnuluj);
    QObject::connect(btnAkceptuj, &QPushButton::clicked, &dialog, [&dialog, &model] {
        model.accept();
        dialog.accept();
    });
    QObject::connect(btnAnuluj, &QPushButton::clicked, &dialog, [&dialog, &model] {
        model.cancel();
        dialog.reject();
    });
    return btnAkceptuj;
}

}  // namespace Korvel::Gui
