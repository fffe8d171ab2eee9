# Run by cpack on the staged files, before it packs them.
set(usr ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})

# Lintian's overrides belong in the package alone.
if(CPACK_STRTOOLS_OVERRIDES)
	file(MAKE_DIRECTORY ${usr}/share/lintian/overrides)
	file(COPY_FILE ${CPACK_STRTOOLS_OVERRIDES}
		${usr}/share/lintian/overrides/strtools)
endif()
