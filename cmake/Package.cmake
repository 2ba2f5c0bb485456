# A Debian package of the installed layout: cpack -G DEB in a Release build.
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "${VELMORA_MAKER_NAME}")
set(CPACK_PACKAGE_CONTACT "${VELMORA_MAKER_NAME} <${VELMORA_CONTACT_EMAIL}>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${VELMORA_HOME_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese dream dictionary, lunar calendar and fortune readings")
set(CPACK_PACKAGE_INSTALL_DIRECTORY velmora)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the binaries link: Qt's platform plugins, which open the
# window, and the fonts the program maps Windows' fonts to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-noto-cjk, fonts-arphic-ukai, fonts-dejavu-core, fonts-urw-base35")
# The summary above becomes the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velmora is a Simplified-Chinese desktop program that looks up what a dream
means: by category, by title or by part of a title, or by browsing its whole
dream book. It also shows a Chinese lunar calendar with solar terms and
festivals, and offers four small traditional readings: a mobile phone number,
a bone weight, a constellation pairing and a love test.

velmora-cli prints the same answers on the command line.

Velmora 是一款简体中文的周公解梦软件：按分类、按标题或标题中的字查梦，
也可以翻阅整部解梦全书。它还带有显示节气和节日的农历万年历，以及手机号码
测算、骨重分析、星座配对和缘分测试四样传统测算。")

include(CPack)
