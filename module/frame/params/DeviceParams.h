// The module's readers of per-device parameters (table ParamUrz). Text encodings and
// conversion errors are those of Kolvenia::CParametryUrzadzen.
#pragma once

#include <optional>
#include <string>

#include "db/SessionHolder.h"
#include "devicedefs/ParametryUrzadzen.h"
#include "devicedefs/Urzadzenie.h"

namespace Kolvenia {

// One parameter of one device, read from the database now (T = bool). A device without
// a value for it raises "Brak wartości parametru <id> dla urządzenia <lUrzadzenieRef>".
template <class T>
T getParam(const TUrzadzenie& device, int id);
// As above, the parameter named by its definition (e.g. "bKasaZintegrowana").
template <class T>
T getParam(const TUrzadzenie& device, const std::string& name);

// One parameter from a device's values of CParametryUrzadzen::getParams, for T = bool,
// int or std::optional<int>. The optional form is empty when the map holds no value
// for id, or only blanks; the others raise the missing-value error.
template <class T>
T getParam(const CParametryUrzadzen::TParams& params, int id);

// The devices service's read of one parameter of one device; empty without a row or
// with a NULL value.
std::optional<std::string> queryParamValue(TSessionHolder session, int deviceRef, int paramId);
// As queryParamValue, converted as getParam<std::optional<int>>.
std::optional<int> queryIntParam(TSessionHolder session, int deviceRef, int paramId);

template <>
bool getParam<bool>(const TUrzadzenie& device, int id);
template <>
bool getParam<bool>(const TUrzadzenie& device, const std::string& name);
template <>
bool getParam<bool>(const CParametryUrzadzen::TParams& params, int id);
template <>
int getParam<int>(const CParametryUrzadzen::TParams& params, int id);
template <>
std::optional<int> getParam<std::optional<int>>(const CParametryUrzadzen::TParams& params, int id);

}  // namespace Kolvenia
