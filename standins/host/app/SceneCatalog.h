// What a scene may call on an object: the actions, conditions and expressions of its library's
// definition, found by number, menu text or title. Pure: no Windows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "standins/host/app/SceneScript.h"

namespace StandinHost {

struct SceneEntry {
    int number = 0;
    std::string title;     // the definition's title, "" when it has none
    std::string menuText;  // "" when no menu offers it
    std::vector<SceneValue::Kind> parameters;
    std::vector<std::string> parameterLabels;
};

struct SceneCatalog {
    std::vector<SceneEntry> actions;
    std::vector<SceneEntry> conditions;
    std::vector<SceneEntry> expressions;
    std::vector<std::string> propertyTitles;
};

struct CatalogResult {
    SceneCatalog catalog;
    std::string error;  // why the definition cannot be read
};

CatalogResult ReadSceneCatalog(const std::string& definitionText);

// The entry `call` names, its arguments checked against the parameters (an integer serves a
// float parameter); nothing, with the error naming what was expected, when it does not fit.
std::optional<SceneEntry> ResolveCall(const SceneCatalog& catalog, const SceneCall& call, std::string& error);

}  // namespace StandinHost
