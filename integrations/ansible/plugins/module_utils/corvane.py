# SPDX-License-Identifier: Apache-2.0
# -*- coding: utf-8 -*-
# The modules' one way to the stations: run the installed `corvane --json` and read what it prints. Nothing here
# speaks the base stations' protocol; secrets reach the tool through owner-only files, never its command line.
from __future__ import absolute_import, division, print_function
__metaclass__ = type

import json
import os
import shutil
import tempfile
import time

from ansible.module_utils.basic import AnsibleModule

# The corvane binary and the station selection, shared by every module that talks to stations.
TOOL_ARGUMENTS = dict(
    corvane_path=dict(type='path'),
    timeout=dict(type='int'),
)
SELECTION_ARGUMENTS = dict(
    station=dict(type='str'),
    all=dict(type='bool', default=False),
    target=dict(type='str'),
    password=dict(type='str', required=True, no_log=True),
)
EDIT_ARGUMENTS = dict(
    wait=dict(type='int', default=60),
    keep_going=dict(type='bool', default=False),
    backup=dict(type='bool', default=False),
    backup_dir=dict(type='path', default='~/corvane-backups'),
)
SELECTION_RULES = dict(
    required_one_of=[('station', 'all')],
    mutually_exclusive=[('station', 'all')],
    required_by={'target': 'all'},
)

# corvane's exit statuses of a station written that did not come back, or came back otherwise.
WRITTEN_BUT = (8, 9)


def module_options(*parts):
    options = dict(TOOL_ARGUMENTS)
    for part in parts:
        options.update(part)
    return options


def station_module(options, edits=True):
    """The AnsibleModule of a module that works on one station or every station found, with its own
    `options`; `edits` adds what writing stations takes (wait, backup...)."""
    parts = (SELECTION_ARGUMENTS, EDIT_ARGUMENTS, options) if edits else (SELECTION_ARGUMENTS, options)
    return AnsibleModule(argument_spec=module_options(*parts), supports_check_mode=True, **SELECTION_RULES)


class Corvane(object):
    """Runs corvane for one module run; secrets go through a private directory removed by cleanup()."""

    def __init__(self, module):
        self.module = module
        self.path = module.params['corvane_path'] or module.get_bin_path('corvane', required=True)
        self.secrets = None

    def secret_file(self, name, value):
        """An owner-only file holding `value` as its first line, in a directory only this process reads."""
        if '\n' in value or '\r' in value:
            self.fail('%s holds a line break; corvane takes only the first line of a secret' % name)
        if self.secrets is None:
            self.secrets = tempfile.mkdtemp(prefix='corvane-')  # 0700
        path = os.path.join(self.secrets, name)
        descriptor = os.open(path, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o600)
        with os.fdopen(descriptor, 'w', encoding='utf-8') as stream:
            stream.write(value + '\n')
        return path

    def cleanup(self):
        if self.secrets is not None:
            shutil.rmtree(self.secrets, ignore_errors=True)
            self.secrets = None

    def fail(self, msg, **result):
        self.cleanup()
        self.module.fail_json(msg=msg, **result)

    def exit(self, **result):
        self.cleanup()
        self.module.exit_json(**result)

    def finish(self, failures, **result):
        """Ends the module: failed when `failures` (address and message of each station that failed) holds
        any, with every station's record in `result['stations']`."""
        if failures:
            self.fail('%d of %d base station(s) failed: %s' % (
                len(failures), len(result['stations']), '; '.join(message for _, message in failures)),
                failed_stations=[address for address, _ in failures], **result)
        self.exit(**result)

    def run(self, words, accept=(0,)):
        """corvane's JSON document for `words`, or the module fails with what corvane said. `accept`: the
        exit statuses that are no failure of the whole command (None: any that comes with a document)."""
        command = [self.path] + words
        # The tool reads secret files in the system's encoding; UTF-8 keeps every Windows-1252 character.
        rc, out, err = self.module.run_command(command, environ_update={'LC_ALL': 'C.UTF-8'})
        try:
            document = json.loads(out)
        except ValueError:
            document = None
        if document is None or (accept is not None and rc not in accept):
            self.fail((err or out).strip() or 'corvane exited with status %d' % rc, rc=rc, stderr=err, stdout=out,
                      cmd=command)
        return rc, document

    def common(self):
        """--password-file and --timeout, as the module's options give them."""
        words = ['--json', '--password-file', self.secret_file('password', self.module.params['password'])]
        if self.module.params['timeout'] is not None:
            words += ['--timeout', str(self.module.params['timeout'])]
        return words

    def selection(self):
        """(options, stations): --all and --target, or the one station named."""
        params = self.module.params
        if params['all']:
            return ['--all'] + (['--target', params['target']] if params['target'] else []), []
        return [], [params['station']]


def snake_case(name):
    return ''.join('_' + c.lower() if c.isupper() else c for c in name)


def run_edits(tool, edits):
    """Runs one corvane edit per entry of `edits` (its command words and its positional words after the
    stations) on the selected stations and ends the module: changed when a station was (or in check mode would
    be) written, a diff of every changed property, failed when any station failed."""
    try:
        edit_stations(tool, edits)
    finally:
        tool.cleanup()


def edit_stations(tool, edits):
    module = tool.module
    params = module.params
    options, stations = tool.selection()
    options += tool.common()
    if module.check_mode:
        options.append('--dry-run')
    else:
        if params['wait']:
            options.append('--wait=%d' % params['wait'])
        if params['keep_going']:
            options.append('--keep-going')
    run_dir = None
    if params['backup'] and not module.check_mode:
        run_dir = os.path.join(params['backup_dir'], time.strftime('%Y-%m-%d@%H:%M:%S'))

    records = {}
    order = []
    for command, entry in edits:
        scratch = None
        words = list(command) + options
        if run_dir is not None:
            os.makedirs(run_dir, mode=0o700, exist_ok=True)
            scratch = tempfile.mkdtemp(dir=run_dir)
            words += ['--backup', scratch]
        # Each station's record tells how it went, whatever the exit status.
        document = tool.run(words + ['--'] + stations + list(entry), accept=None)[1]
        for station in document.get('stations', []):
            address = station['address']
            if address not in records:
                order.append(address)
                records[address] = dict(address=address, changed=False, failed=False, changes={}, results=[])
            merge(records[address], station, run_dir)
        if scratch is not None:
            shutil.rmtree(scratch, ignore_errors=True)
    if run_dir is not None and os.path.isdir(run_dir) and not os.listdir(run_dir):
        os.rmdir(run_dir)

    if not order:
        module.warn('no base station answered')
    result = summary(module, [records[address] for address in order])
    failures = [(record['address'], '\n'.join(record['results'])) for record in result['stations'] if record['failed']]
    tool.finish(failures, **result)


def merge(record, station, run_dir):
    """Adds one corvane run's record of a station: the first value before, the last after."""
    for key in ('name', 'wanMac'):
        if key in station:
            record[snake_case(key)] = station[key]
    record['results'].append(station.get('result', ''))
    ok = station.get('ok', False)
    record['failed'] = record['failed'] or not ok
    # A change refused by the rules was not written; one whose station did not come back was.
    written = ok or station.get('exit') in WRITTEN_BUT
    record['changed'] = record['changed'] or (written and bool(station.get('changed')))
    for change in station.get('changes', []):
        known = record['changes'].get(change['tag'])
        record['changes'][change['tag']] = dict(change, before=known['before'] if known else change['before'])
    copy = station.get('backup')
    # The first copy of a run is the station as it was before the module touched it.
    if copy and run_dir is not None and 'backup' not in record:
        kept = os.path.join(run_dir, os.path.basename(copy))
        os.rename(copy, kept)
        record['backup'] = kept


def summary(module, records):
    """The module's result over the stations' records, with before and after for diff mode."""
    changed = [record for record in records if record['changed']]
    for record in records:
        record['changes'] = list(record['changes'].values())
    result = dict(changed=bool(changed), stations=records,
                  backup_files=[record['backup'] for record in records if 'backup' in record])
    if module._diff:
        result['diff'] = dict(
            before=dict((r['address'], dict((c['tag'], c['before']) for c in r['changes'])) for r in changed),
            after=dict((r['address'], dict((c['tag'], c['after']) for c in r['changes'])) for r in changed))
    return result
