// Every GUID under which the module registers an action or a sender creator, in
// registration order. The GUIDs are an external interface: menus, the evening
// processing, other modules and console "fire" lines name them.
//
// Every GUID below is registered (`korvel actions` lists them in registration order).
#pragma once

namespace Kolvenia::ActionGuids {

// Host contract: every GUID below.
inline constexpr const char* ProcessAndSendPlu = "{050958DF-B168-4E5A-80E2-CC598C81515F}";
inline constexpr const char* EveningSendElectronicLabels = "{CC00F5AF-9092-4771-9DFC-7646A38E0CEF}";
inline constexpr const char* SendElectronicLabels = "{8DFBDE64-767D-4A68-B7FC-421C885627C1}";
inline constexpr const char* SendMarkdownReasons = "{6B38AA4C-608E-4E23-8F60-CD9D1721257F}";
inline constexpr const char* SendPredefinedPromotionsWithRefGui = "{0C5B5340-E2FD-4587-98C4-148A8D9F5639}";
inline constexpr const char* SendPromotionWithGuidFire = "{3E969B7A-AFE1-4B48-896F-4386E7429611}";
inline constexpr const char* SendPromotionWithRefGui = "{C6483C5D-F3D0-4E33-A992-7AC0576A3F47}";
inline constexpr const char* SendAllPromotions = "{ADED7E1D-8ECF-414F-A466-24F4AA921918}";
inline constexpr const char* SendNewAndModifiedPromotionsService = "{9609DF3C-9DD7-4FA9-B9D7-4AF7340346EE}";
inline constexpr const char* SendNewAndModifiedPromotionsFire = "{814B4352-C700-4454-8C7E-95FC7E47C90A}";
inline constexpr const char* SendNewAndModifiedPromotionsGui = "{F980BD6B-8CAD-42B1-91E6-3DE1D740C0A1}";
inline constexpr const char* DeviceConfigurationDialog = "{42C44BBA-02FB-4FB9-8110-6121DD3B7E86}";
inline constexpr const char* SendAllPluDialog = "{33C67A78-198F-4183-9CEC-918906F67F28}";
inline constexpr const char* SendAllPriceCheckerDialog = "{544130F9-B009-4201-AA99-2B70D9A802D4}";
inline constexpr const char* TransmissionProgressDialog = "{C2B83294-ECB5-4226-B7FD-EB0F3AFD9694}";
inline constexpr const char* ElectronicLabelsSender = "{8A0533F1-069C-40E2-90B1-ADE435D1AA5D}";
inline constexpr const char* ElzabRsPriceCheckerSender = "{E5380393-2351-43EE-9623-3A4CCF4027AF}";
inline constexpr const char* SendPluForArticle = "{D54FEB57-BEC8-48B9-A0AF-D65016319FA9}";
inline constexpr const char* DefaultScaleTransferManager = "{5C6D4373-0260-4B92-BBC7-C0CE2119548D}";
inline constexpr const char* SendCountries = "{58F8DAD3-BEDE-4B39-B0EB-6989D05D4B37}";
inline constexpr const char* SendAllCountries = "{437AB953-9C47-4D60-AD24-4C38E7688081}";
inline constexpr const char* SendCountriesFire = "{D41BE5C9-055B-4D8E-99DA-8FE6982C9B99}";
inline constexpr const char* SendAllCountriesToSelectedCashRegisters = "{B3DE604D-793A-4274-821B-CDE73787CF5A}";
inline constexpr const char* SendAllData = "{BD2AA1D6-5737-4F2C-93F8-289CF0A28CF3}";
inline constexpr const char* SendAllDataDialog = "{E5D576DD-52E6-44DF-891D-FFFE1E170150}";
inline constexpr const char* SendAllReturnReasons = "{25204217-C108-4FD7-A241-50AC1A2B901A}";
inline constexpr const char* SendDiscountsFromSendAllDataDialog = "{647DA539-760F-4008-9331-B1223B14C494}";
inline constexpr const char* SendDiscountsFire = "{06603682-90B0-417E-A39F-43977D190D12}";
inline constexpr const char* EveningSendDiscounts = "{73B401CC-A156-48FF-8BCC-2A7409779E72}";
inline constexpr const char* SendDiscountsFromDiscountTypesBrowser = "{C41B54CC-C2EA-49A7-8056-B38250DFDF33}";
inline constexpr const char* BlockedVouchersConsole = "{666B80FA-A771-4059-9E05-884A842A1D1D}";
inline constexpr const char* BlockedVouchersEvening = "{66640447-10CB-4FC5-AE02-A7F70EACBF7B}";
inline constexpr const char* BlockedVouchersDefault = "{66657C83-3222-4DB3-BDA0-4B650B47E7F4}";
inline constexpr const char* SendCashRegisterConfig = "{3AA321A5-25CE-4124-BF7B-87F4D2635EDC}";
inline constexpr const char* SendCustomersFire = "{DB01743F-D1A4-4B8E-9B38-17AF4441EE79}";
inline constexpr const char* ElectronicLabelsStockExportDialog = "{253617CF-8D6A-4519-AE87-83D0525E4090}";
inline constexpr const char* SendMeasureUnitsDialog = "{BFF29173-48EC-4E7C-965B-1DBE591ED70A}";
inline constexpr const char* SendMeasureUnitsFromSendAllDataDialog = "{E09C034C-19EC-4820-8DBE-D2924699A364}";
inline constexpr const char* SendPayments = "{0CFA421A-34C9-48CE-91DE-CE5DD923E23E}";
inline constexpr const char* SendPluConfigDialog = "{E0759232-1BFC-4430-B2AA-3A27D42A2BCB}";
inline constexpr const char* SendPluConfig = "{FAB0F730-43DA-4269-A257-37E1FBB3F8C2}";
inline constexpr const char* SendPluBrowser = "{F446E90A-9A45-4F94-A099-C4080E116E38}";
inline constexpr const char* SendVatRatesByDate = "{B7FFCF3F-D78D-4CDF-A7D6-3D32FE4EBC14}";
inline constexpr const char* SendVatRates = "{261A23A0-7040-423C-B176-64128A8D8BEF}";
inline constexpr const char* SesLabelsSender = "{69F39AE7-AF4B-4921-9242-F3328EB55EBF}";
inline constexpr const char* CheckCommunication = "{33492019-BD5A-4EC7-B635-FB64A80312AE}";
inline constexpr const char* EveningDailyTurnover = "{F21B8388-AD46-417B-9C12-F8669BA6C941}";
inline constexpr const char* DailyTurnoverFire = "{8BD5C29E-34E1-4FBA-9013-38D864026393}";

}  // namespace Kolvenia::ActionGuids
