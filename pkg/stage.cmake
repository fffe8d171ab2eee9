# Run by cpack on the staged files, before it packs them.
set(usr ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})

# Lintian's overrides belong in the Debian package alone.
if(CPACK_STRTOOLS_OVERRIDES AND CPACK_GENERATOR STREQUAL "DEB")
	file(MAKE_DIRECTORY ${usr}/share/lintian/overrides)
	file(COPY_FILE ${CPACK_STRTOOLS_OVERRIDES}
		${usr}/share/lintian/overrides/strtools)
	# Not the mode of the source's file, which a tarball unpacked with
	# another umask, or by root, may have made group-writable.
	file(CHMOD ${usr}/share/lintian/overrides/strtools
		PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()

# Directories were made under the packager's umask; the package's must
# not depend on it.
file(CHMOD_RECURSE ${usr} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE
	OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
