# Run by cpack on the staged files, before it packs them.  The pages are
# compressed, as debhelper's and rpmbuild's own scripts compress them, with
# no name or time inside; the Debian package holds the licence as its
# copyright file, and NEWS, a Debian changelog, as its changelog.
set(usr ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${usr}/${CPACK_STRTOOLS_DOCDIR})
file(GLOB compressed ${usr}/${CPACK_STRTOOLS_MANDIR}/man1/*.1)
if(CPACK_GENERATOR STREQUAL "DEB")
	file(RENAME ${doc}/LICENSE ${doc}/copyright)
	file(RENAME ${doc}/NEWS ${doc}/changelog)
	list(APPEND compressed ${doc}/changelog)
endif()
execute_process(COMMAND gzip -9n ${compressed} COMMAND_ERROR_IS_FATAL ANY)
