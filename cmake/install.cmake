# Install rules: `cmake --install build --prefix DIR` gives a tree that runs
# from DIR alone.
#   bin/corvane
#   lib/corvane/            corvane-window, libcorvane_text.so, libpelinorn.so
#                           (private)
#   share/vim/vimfiles/pack/corvane/start/corvane/   the Vim plugin, as a
#                           package that every Vim of the system loads
#   share/emacs/site-lisp/  corvane.el
#   share/man/man1/         corvane.1
#   share/doc/corvane/      README.md, LICENSE
install(TARGETS corvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS corvane-window corvane_text pelinorn
  LIBRARY DESTINATION ${CORVANE_PRIVATE_LIBDIR}
  RUNTIME DESTINATION ${CORVANE_PRIVATE_LIBDIR})

set(CORVANE_VIM_DIR ${CMAKE_INSTALL_DATADIR}/vim/vimfiles/pack/corvane/start/corvane)
install(DIRECTORY contrib/vim/ DESTINATION ${CORVANE_VIM_DIR} PATTERN tags EXCLUDE)
install(FILES contrib/emacs/corvane.el DESTINATION ${CMAKE_INSTALL_DATADIR}/emacs/site-lisp)
install(FILES docs/corvane.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The plugin's help tags, made in the installed folder when a Vim is there
# (:helptags of a system folder needs write access, which a user lacks).
find_program(CORVANE_VIM vim)
if(CORVANE_VIM)
  install(CODE "
    set(doc \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CORVANE_VIM_DIR}/doc\")
    execute_process(COMMAND ${CORVANE_VIM} -u NONE -N -i NONE -es -c \"helptags \${doc}\" -c q RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0 OR NOT EXISTS \${doc}/tags)
      message(WARNING \"could not make the Vim help tags in \${doc}\")
    endif()
  ")
endif()
