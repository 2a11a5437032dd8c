// The environment probes that Initialize runs, in this order. Each writes its findings into
// ProcessEnvironment(), and each probe that can fail shows its error box and returns false, upon
// which Initialize fails. A probe that applies only in some run contexts checks that itself, so
// the run context (and isFusion25, hostVersion) must be set before those probes run.
#pragma once

namespace Vantor {

// underWine: ntdll exports "wine_get_version".
bool ProbeWine();

// The process and native machines; refuses machines the library cannot run on.
bool ProbeCpu();

// Whether a built app is the editor's test run (library and host in the editor's layout, and the
// editor's executable present); unicodeHost is the host's answer to call-function code 113.
bool IsTestRunHost(bool unicodeHost);

// Quiet and Editor contexts only: languageCode from the editor's language
// (registry for Fusion 2.5, string resource 720 of the host executable for older hosts).
bool ProbeEditorLanguage();

// Fusion 2.5 outside a built app: extensionPack when "cfex.dll" is in the host root folder.
void ProbeExtensionPack();

// The OS version through ntdll's RtlGetVersion.
bool ProbeOsVersion();

}  // namespace Vantor
