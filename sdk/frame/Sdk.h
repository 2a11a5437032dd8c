// The one process-wide definition object, built at Initialize from the JSON definition.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sdk/definition/AceTables.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/dispatch/CallPlan.h"
#include "sdk/dispatch/LinkedFunction.h"
#include "sdk/host/HostRecords.h"
#include "sdk/properties/EdittimeProperties.h"
#include "sdk/properties/EntryListSets.h"
#include "sdk/properties/PropertySetDeclarations.h"

namespace Vantor {
class EditorIcon;
}

namespace Vantor::Ovik {

class SDK {
public:
    // Builds every table; problems are shown as they are found and construction goes on.
    SDK(Host::mV* mV, JsonDocument document);
    ~SDK();
    SDK(const SDK&) = delete;
    SDK& operator=(const SDK&) = delete;

    const json_value& json() const { return document_.root(); }

    AceTables infos;
    std::vector<void*> actionJumps, conditionJumps, expressionJumps;  // one slot per entry, then null
    // One slot per entry in each, so that the dispatch checks a number against the plans only.
    std::vector<LinkedFunction> actionFunctions, conditionFunctions, expressionFunctions;
    std::vector<CallPlan> actionPlans, conditionPlans, expressionPlans;  // how each call reads its parameters
    std::vector<PropSet> propertySets;  // the sets the definition declares, read once
    EntryListSetNames entryLists;       // what each set's list record stores
    std::unique_ptr<EdittimeProperties> edittimeProperties;  // the host property table
    Host::mV* mV;
    std::unique_ptr<EditorIcon> icon;  // the object's picture in the editor

private:
    void BuildPropertyTable(const json_value& language);

    JsonDocument document_;
};

// The language block in use: the one the settings choose (editor) or the default.
const json_value& CurrentLanguage();
// The default language block, whose name becomes the current language name.
const json_value& DefaultLanguageIndex();
// The current language's name, for property messages.
const std::wstring& CurrentLanguageName();

}  // namespace Vantor::Ovik

// Null until Initialize succeeded.
extern Vantor::Ovik::SDK* SDK;
