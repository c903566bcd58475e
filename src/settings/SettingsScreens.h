#pragma once

// Connects the settings screens to the application shell, which cannot name them: the main
// screen's settings button opens the settings screen, and the --tour walk visits the settings screen, its duration picker, the
// recordings confirmation, the share panel and the statistics screen (settings.png,
// settings-picker.png, settings-clear-confirm.png, share.png, stats.png; settings-ar.png
// too when the interface language is Arabic).
//
// Called once by the application before it starts (and by tests); calling it again only
// registers the maker again.
//
// Thread: main thread. Failure: none.
namespace SettingsScreens {
void registerWithShell();
}
