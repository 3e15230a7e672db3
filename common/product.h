// Who makes Glimmerfall and where to find them: defined once, used by the
// programs' resources and the settings dialog.
#pragma once

#define GLIMMERFALL_PRODUCT_NAME "Glimmerfall"
#define GLIMMERFALL_MAKER_NAME "The Glimmerfall team"
// A reserved example domain until the project has a home of its own.
#define GLIMMERFALL_MAKER_WEB "http://www.example.org/glimmerfall/"
#define GLIMMERFALL_MAKER_EMAIL "glimmerfall@example.org"
#define GLIMMERFALL_LEGAL_NOTICE "(C) 2026 The Glimmerfall team"
