# Installation as a desktop program and the Debian package.
#   cmake --install build --prefix P   puts the programs under P/bin, the
#   shipped databases under P/share/velmora (found relative to the programs),
#   the desktop entry, the icon and the AppStream metainfo under P/share.
set(VELMORA_HOMEPAGE "https://velmora.de" CACHE STRING "Home page named in the AppStream metainfo")
set(VELMORA_APP_ID de.velmora.Velmora)
# The release date of the metainfo: the build day, or SOURCE_DATE_EPOCH when set.
string(TIMESTAMP VELMORA_RELEASE_DATE "%Y-%m-%d" UTC)
set(velmora_desktop_dir ${PROJECT_SOURCE_DIR}/data/desktop)

configure_file(${velmora_desktop_dir}/${VELMORA_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/desktop/${VELMORA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${velmora_desktop_dir}/${VELMORA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${velmora_desktop_dir}/${VELMORA_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_BINARY_DIR}/desktop/${VELMORA_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The Debian package: velmora_<version>_amd64.deb. dpkg-shlibdeps finds the
# Qt 6, SQLite and C++ runtime libraries the programs link; what they load
# at run time is named here: the SQLite driver of Qt Sql, the window-system
# plugins, the Liberation fonts the printed forms are measured with, and the
# German model of the text recognition that velmora-beleg loads.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "Velmora <maintainers@users.noreply.c-seed-036f811f.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Beihilfeanträge für NRW ausfüllen und drucken")
set(CPACK_PACKAGE_DESCRIPTION "Das digitale Antragsformular für die Beihilfe des Landes Nordrhein-Westfalen:\n\
erfasst die Angaben des amtlichen Antrags, führt die Belege und druckt\n\
Vorder- und Rückseite sowie die Aufstellungen der Aufwendungen.\n\
velmora-druck druckt dieselben Seiten ohne Fenster in PDF- oder PNG-Dateien;\n\
velmora-beleg liest Arztrechnungen (PDF, Scan, Foto) und prüft ihre Gebühren.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, fonts-liberation2, tesseract-ocr-deu")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
