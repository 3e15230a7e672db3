# The one place that names the release. Resources, the installer and the zip
# names all take it from here.
set(GLIMMERFALL_VERSION_MAJOR 2)
set(GLIMMERFALL_VERSION_MINOR 0)
set(GLIMMERFALL_VERSION_PATCH 1)
set(GLIMMERFALL_VERSION_BUILD 0)
set(GLIMMERFALL_VERSION "2.0.1.0")
set(GLIMMERFALL_VERSION_SHORT "2.01")
