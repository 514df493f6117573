// Per-device parameters: one text per device and parameter identifier (table ParamUrz),
// and the definitions that give each identifier its name and type (table DefParamUrz).
//
// Text encodings, as stored in sWartoscParam:
//   bool  "1" / "0"; also read: "T"/"N", "Tak"/"Nie", "true"/"false" in any letter case
//   int   decimal digits with an optional sign, 32 bits
// Blanks around a value are ignored. A text that does not read as the asked type raises
// EConversionError naming the parameter and the text.
#pragma once

#include <map>
#include <string>

#include "core/Errors.h"
#include "db/SessionHolder.h"
#include "devicedefs/Urzadzenie.h"

namespace Kolvenia {

class CParametryUrzadzen {
public:
    // nParamId -> sWartoscParam of one device; parameters without a value are absent.
    using TParams = std::map<int, std::string>;

    // Values of DefParamUrz.nTyp.
    enum TParamType { ptBool = 0, ptInt = 1, ptText = 2 };

    class EConversionError : public Core::PlacedRuntimeError {
    public:
        using Core::PlacedRuntimeError::PlacedRuntimeError;
    };

    // Reads the definitions through the session (by default the host's own).
    explicit CParametryUrzadzen(TSessionHolder session = TSessionHolder(true));

    // The identifier of a defined parameter; an unknown name raises a runtime error.
    int getParamId(const std::string& name) const;
    // The type of a defined parameter; an unknown identifier raises a runtime error.
    TParamType getParamType(int id) const;
    // Whether a parameter with this identifier is defined.
    bool isParamCreated(int id) const;

    // The device's stored parameter values (a NULL value counts as none).
    TParams getParams(const TUrzadzenie& device) const;

    // The value of parameter id in params, converted to T (bool or int). A parameter
    // absent from params raises a runtime error; a text of another type, EConversionError.
    template <class T>
    static T getParamImpl(const TParams& params, int id);

private:
    struct Definition {
        std::string name;
        TParamType type;
    };
    TSessionHolder session_;
    std::map<int, Definition> definitions_;
};

template <>
bool CParametryUrzadzen::getParamImpl<bool>(const TParams& params, int id);
template <>
int CParametryUrzadzen::getParamImpl<int>(const TParams& params, int id);

}  // namespace Kolvenia
