# Installs the default host registry, made at install time because the paths it names depend on
# the prefix the files go to: the configuration directory is /etc for the prefix /usr (a
# package) and <prefix>/etc for any other; the program finds the registry through the link
# nx596-registry.ini next to it, where it looks by default.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(etc_dir /etc/nx596)
else()
  set(etc_dir ${CMAKE_INSTALL_PREFIX}/etc/nx596)
endif()
# The HelpPath value names the help file in the module directory; the module takes the value
# without the help file's 12-character name as its directory (errmsg/ lies there).
set(NX596_MODULE_DIR ${CMAKE_INSTALL_PREFIX}/share/nx596/)
configure_file(${NX596_REGISTRY_TEMPLATE} ${NX596_STAGING_DIR}/nx596-registry.ini @ONLY)
file(INSTALL ${NX596_STAGING_DIR}/nx596-registry.ini DESTINATION ${etc_dir})
file(CREATE_LINK ${etc_dir}/nx596-registry.ini
     "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${NX596_PRIVATE_DIR}/nx596-registry.ini" SYMBOLIC)
