# Writes a manual page from a program's own --help text, so that the page
# and the help never disagree. Run in script mode:
#
#   cmake -DPROGRAM=path -DNAME=xtr450ctl -DSUMMARY="..." -DVERSION=0.1.0
#         -DOUTPUT=xtr450ctl.1 [-DSUBCOMMANDS=ON] -P HelpToMan.cmake
#
# The help text goes in as it stands (no fill, no adjust); with SUBCOMMANDS
# each command listed under "Commands:" gets a section holding its own
# 'NAME COMMAND --help'.

function(run_help out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help
    OUTPUT_VARIABLE text RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed (${result}): ${errors}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# roff escapes: backslashes, hyphens (so options stay minus signs), and
# lines that would start a request.
function(to_roff out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

foreach(required PROGRAM NAME SUMMARY VERSION OUTPUT)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "HelpToMan.cmake needs -D${required}=...")
  endif()
endforeach()

string(TOUPPER "${NAME}" upper)
to_roff(summary "${SUMMARY}")
to_roff(name "${NAME}")
set(page ".TH ${upper} 1 \"\" \"xtr450 ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${name} \\- ${summary}\n.SH DESCRIPTION\n.nf\n")
run_help(help)
to_roff(roff "${help}")
string(APPEND page "${roff}.fi\n")

if(SUBCOMMANDS)
  string(REGEX MATCH "\nCommands:\n(  [^\n]+\n)+" listing "${help}")
  string(REGEX MATCHALL "\n  [a-z]+ " commands "${listing}")
  if(NOT commands)
    message(FATAL_ERROR "${PROGRAM} --help lists no commands")
  endif()
  string(APPEND page ".SH COMMANDS\n")
  foreach(command ${commands})
    string(STRIP "${command}" command)
    run_help(text ${command})
    to_roff(roff "${text}")
    string(APPEND page ".SS ${command}\n.nf\n${roff}.fi\n")
  endforeach()
endif()

string(APPEND page ".SH VERSION\n${VERSION}\n")
file(WRITE "${OUTPUT}" "${page}")
