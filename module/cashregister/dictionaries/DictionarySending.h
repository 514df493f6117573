// The dictionary sends themselves, one function per dictionary, independent of how an
// action was started: each gathers its target cash registers, reads its dictionary,
// and hands both to the data sender of the cash-register server communication, in
// the order targets, records, send. The progress gets one step per record read and
// one for the send.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "core/ProgressIndicator.h"

namespace Kolvenia::Dictionaries {

using Progress = Core::ThreadUserIo::ISteppableProgressIndicator;
using DeviceRefs = std::optional<std::set<int>>;

// Host contract: the stored property the host sets when the countries dictionary changes.
inline constexpr const char* CountriesChangedProperty = "{A6E2D258-BE98-4533-874B-12B02BAE0E1B}";
// Host contract: the payment form that must exist before payment forms are sent.
inline constexpr const char* RequiredPaymentFormGuid = "{65191C53-315F-4300-AB6A-3D9649A8014C}";

// Countries not inactive, to the installed cash registers. Unless `all`, only when
// the changed flag is set; the flag is read under lock and cleared in the same
// transaction as the send, so a failure leaves it set. Answers whether it sent.
bool sendCountries(bool all, const DeviceRefs& chosen, Progress& progress);

// Return reasons not deleted, to the enabled cash registers.
void sendReturnReasons(const DeviceRefs& chosen, Progress& progress);

// Active automatic discount types, to the installed cash registers.
void sendAutomaticDiscountTypes(const DeviceRefs& chosen, Progress& progress);

// Every available measure unit, to the installed cash registers.
void sendMeasureUnits(const DeviceRefs& chosen, Progress& progress);

// Every payment form, to the installed cash registers; first makes sure the required
// payment form exists ("Nie odnaleziono płatności o guidzie %1%.").
void sendPaymentForms(const DeviceRefs& chosen, Progress& progress);

// The VAT rates valid on the day, to the enabled cash registers; with no enabled
// device, nothing. The progress gets one step after the registers, one after the send.
void sendVatRates(int dayNumber, const DeviceRefs& chosen, Progress& progress);

}  // namespace Kolvenia::Dictionaries
