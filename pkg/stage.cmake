# Run by cpack on the staged files, before it packs them.
set(usr ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${usr}/${CPACK_STRTOOLS_DOCDIR})

# The pages are compressed, as both Debian and rpmbuild's own scripts
# compress them, with no name or time inside.  The Debian package holds the
# licence in Debian's copyright file and NEWS as a native package's
# changelog, compressed likewise, in place of the install's own forms.
file(GLOB gzipped ${usr}/${CPACK_STRTOOLS_MANDIR}/man1/*.1)
if(CPACK_GENERATOR STREQUAL "DEB")
	file(REMOVE ${doc}/LICENSE ${doc}/NEWS)
	file(COPY ${CPACK_STRTOOLS_DEBIAN}/copyright
		${CPACK_STRTOOLS_DEBIAN}/changelog DESTINATION ${doc})
	list(APPEND gzipped ${doc}/changelog)
	if(CPACK_STRTOOLS_OVERRIDES)
		file(MAKE_DIRECTORY ${usr}/share/lintian/overrides)
		file(COPY_FILE ${CPACK_STRTOOLS_OVERRIDES}
			${usr}/share/lintian/overrides/strtools)
	endif()
endif()
execute_process(COMMAND gzip -9n ${gzipped} COMMAND_ERROR_IS_FATAL ANY)

# Files and folders are given their modes here: not those of the source
# files, which a tarball unpacked with another umask, or by root, may have
# made group-writable, nor the packager's umask.
file(GLOB_RECURSE data ${usr}/share/*)
file(CHMOD ${data} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(CHMOD_RECURSE ${usr} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE
	OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
