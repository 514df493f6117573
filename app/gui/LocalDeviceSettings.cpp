#include "LocalDeviceSettings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>

#include "UserSettings.h"

namespace Korvel::Gui {

namespace {

// Host contract: the value names of the scanners' local settings and the keyboard
// scanner's key.
constexpr const char* LocalConfiguration = "Lokalna konfiguracja";
constexpr const char* KeyboardScanner = "Skaner/Klawiaturowy";
// The value of the scales switch, ours to name.
constexpr const char* ScalesHere = "Wagi na tym komputerze";

void bind(QCheckBox* box, const QString& name, bool inverted = false) {
    const auto stored = LocalDeviceSettings::settings();
    if (stored->contains(name)) box->setChecked(stored->value(name).toBool() != inverted);
    QObject::connect(box, &QCheckBox::toggled,
                     [name, inverted](bool on) { LocalDeviceSettings::settings()->setValue(name, on != inverted); });
}

void bind(QLineEdit* edit, const QString& name) {
    const auto stored = LocalDeviceSettings::settings();
    if (stored->contains(name)) edit->setText(stored->value(name).toString());
    QObject::connect(edit, &QLineEdit::textEdited,
                     [name](const QString& text) { LocalDeviceSettings::settings()->setValue(name, text); });
}

QCheckBox* check(QFormLayout* form, const char* objectName, const char* caption, const QString& value,
                 bool inverted = false) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(objectName);
    bind(box, value, inverted);
    form->addRow(box);
    return box;
}

void text(QFormLayout* form, const char* objectName, const char* caption, const QString& value) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    bind(edit, value);
    form->addRow(caption, edit);
}

}  // namespace

std::unique_ptr<QSettings> LocalDeviceSettings::settings() {
    auto settings = userSettings();
    settings->beginGroup("Devices");
    return settings;
}

LocalDeviceSettings::LocalDeviceSettings(QWidget* scanners, QWidget* keyboard) {
    auto* group = new QGroupBox("Ustawienia lokalne");
    group->setObjectName("GroupLokalne");
    auto* form = new QFormLayout(group);
    check(form, "cbxLokalnaKonfiguracja", "Korzystaj z lokalnych ustawień", LocalConfiguration);
    text(form, "EditLokalnyPortCOM", "Port COM", "Port COM");
    text(form, "EditLokalnaPredkosc", "Prędkość transmisji", "Prędkość transmisji");
    text(form, "EditLokalneBityDanych", "Bity danych", "Bity danych");
    text(form, "EditLokalneBityParzystosci", "Bity parzystości", "Bity parzystości");
    text(form, "EditLokalneBityStopu", "Bity stopu", "Bity stopu");
    check(form, "cbxLokalneKodyPSC", "Kody PSC", "Kody PSC");
    check(form, "cbxWlaczLokalnie", "Włącz lokalnie to urządzenie", "Urządzenie włączone");
    check(form, "cbxLokalnieCzynne", "Aktualnie czynne", "Aktualnie czynne");
    check(form, "cbxPomijanieAddOnow", "Usuwanie dodatkowych cyfr PLU", "Usuwanie dodatkowych cyfr PLU");
    text(form, "EditLokalnyWzorzecAddOn", "Pomijanie add-onów. Wzorzec:", "Plu z add-onem - regexp");
    // The parameter controls already on the page are the settings of every computer.
    auto* page = qobject_cast<QFormLayout*>(scanners->layout());
    if (!page) page = new QFormLayout(scanners);
    page->insertRow(0, group);
    auto* global = new QLabel("Ustawienia globalne");
    global->setObjectName("LabelGlobalne");
    page->insertRow(1, global);

    auto* keys = new QFormLayout(keyboard);
    const QString prefix = QString(KeyboardScanner) + "/";
    text(keys, "EditPrefiks", "Prefiks", prefix + "Prefiks");
    check(keys, "cbxPrefiksWlaczony", "Prefiks włączony", prefix + "Bez prefiksu", true);
}

LocalDeviceSettings::~LocalDeviceSettings() = default;

void LocalDeviceSettings::bindScalesHere(QCheckBox* box) {
    const auto stored = settings();
    if (stored->contains(ScalesHere)) box->setChecked(stored->value(ScalesHere).toBool());
}

void LocalDeviceSettings::storeScalesHere(bool on) { settings()->setValue(ScalesHere, on); }

}  // namespace Korvel::Gui
